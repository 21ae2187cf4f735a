#pragma once
// A short pause that keeps the window alive.
#include <cstdint>

#include "cleaning/event_pacer.h"

namespace sparvane::cleaning {

// Lets the window process pending events, at least once, until `ms` milliseconds of the
// system's tick count have passed. Safe across the tick count's wrap-around.
void pauseMilliseconds(const EventPacing& pacing, std::int32_t ms);

}  // namespace sparvane::cleaning

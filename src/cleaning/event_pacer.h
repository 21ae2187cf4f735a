#pragma once
// Long work on the UI thread lets the window run its pending events in short slices, so no
// message (a click, a paint, the traffic timer) waits long and the window never shows as
// not responding.
#include <cstdint>

#include "common/process_control.h"
#include "forms/application.h"
#include "platform/desktop.h"

namespace sparvane::cleaning {

// What long work needs to let the pending events run and to notice that the program ends.
struct EventPacing {
    forms::Application& app;
    platform::Clock& clock;
    const common::OrderlyExit& orderlyExit;
};

// Longest stretch of work between two runs of the pending events, in milliseconds of the
// system's tick count (whose own steps are about 16 ms).
inline constexpr std::uint32_t kEventSliceMs = 25;

class EventPacer {
public:
    explicit EventPacer(const EventPacing& pacing);
    // Called after every step of the work: runs the pending events once a slice has passed
    // since they last ran. False once the program is ending; the work then stops.
    [[nodiscard]] bool step();

private:
    EventPacing pacing_;
    std::uint32_t lastRun_;
};

}  // namespace sparvane::cleaning

#pragma once
// Long work on the UI thread lets the window run its pending events in short slices, so no
// message (a click, a paint, the traffic timer) waits long and the window never shows as
// not responding.
#include <cstdint>

#include "common/context.h"

namespace sparvane::cleaning {

// Longest stretch of work between two runs of the pending events, in milliseconds of the
// system's tick count (whose own steps are about 16 ms).
inline constexpr std::uint32_t kEventSliceMs = 25;

class EventPacer {
public:
    explicit EventPacer(Context& ctx);
    // Called after every step of the work: runs the pending events once a slice has passed
    // since they last ran. False once the program is ending; the work then stops.
    [[nodiscard]] bool step();

private:
    Context& ctx_;
    std::uint32_t lastRun_;
};

}  // namespace sparvane::cleaning

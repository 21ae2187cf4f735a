#include "cleaning/event_pacer.h"

namespace sparvane::cleaning {

EventPacer::EventPacer(const EventPacing& pacing) : pacing_(pacing), lastRun_(pacing.clock.tickCount()) {}

bool EventPacer::step() {
    const std::uint32_t now = pacing_.clock.tickCount();
    // Unsigned difference: right across the tick count's wrap after 49.7 days.
    if (now - lastRun_ >= kEventSliceMs) {
        pacing_.app.doEvents();
        lastRun_ = pacing_.clock.tickCount();
    }
    return !pacing_.app.ended() && !pacing_.orderlyExit.terminating;
}

}  // namespace sparvane::cleaning

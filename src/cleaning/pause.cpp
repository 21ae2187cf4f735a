#include "cleaning/pause.h"

namespace sparvane::cleaning {

void pauseMilliseconds(const EventPacing& pacing, std::int32_t ms) {
    auto& clock = pacing.clock;
    const std::uint32_t end = clock.tickCount() + static_cast<std::uint32_t>(ms);
    // The difference is taken as signed: the tick count wraps after 49.7 days, and an
    // unsigned "now < end" would then wait for the next wrap.
    do {
        pacing.app.doEvents();
        // Once the program is ending there is nothing left to wait for.
        if (pacing.app.ended() || pacing.orderlyExit.terminating) return;
    } while (static_cast<std::int32_t>(clock.tickCount() - end) < 0);
}

}  // namespace sparvane::cleaning

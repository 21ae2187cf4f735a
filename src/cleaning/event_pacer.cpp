#include "cleaning/event_pacer.h"

namespace sparvane::cleaning {

EventPacer::EventPacer(Context& ctx) : ctx_(ctx), lastRun_(ctx.services.clock.tickCount()) {}

bool EventPacer::step() {
    const std::uint32_t now = ctx_.services.clock.tickCount();
    // Unsigned difference: right across the tick count's wrap after 49.7 days.
    if (now - lastRun_ >= kEventSliceMs) {
        ctx_.app.doEvents();
        lastRun_ = ctx_.services.clock.tickCount();
    }
    return !ctx_.app.ended() && !ctx_.terminating;
}

}  // namespace sparvane::cleaning

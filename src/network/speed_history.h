#pragma once
// The 200-slot history behind one speed chart. Slot 200 holds the newest figure; the
// history fills from slot 4 on (slots 1 to 3 stay 0) and, once full, scrolls one slot
// towards slot 1 per tick.
#include <vector>

namespace sparvane::network {

class SpeedHistory {
public:
    static constexpr int kSlots = 200;

    SpeedHistory() : slots_(kSlots, 0.0) {}

    // Back to the state at load: every slot 0, one slot in use, nothing started.
    void reset();
    // One tick. The first tick after a reset only starts the history (its figure is the
    // baseline tick and is not charted).
    void push(double figure);

    // Slot n, counted from 1.
    [[nodiscard]] double slot(int n) const { return slots_[static_cast<std::size_t>(n - 1)]; }
    // The chart's data: series n shows slot n.
    [[nodiscard]] const std::vector<double>& data() const { return slots_; }
    [[nodiscard]] int slotsInUse() const { return seriesCount_; }

private:
    double& at(int n) { return slots_[static_cast<std::size_t>(n - 1)]; }

    std::vector<double> slots_;
    int seriesCount_ = 1;
    bool started_ = false;
};

}  // namespace sparvane::network

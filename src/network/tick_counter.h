#pragma once
// Bytes counted during one tick, from the byte totals of successive readings.
#include <cstdint>
#include <optional>

namespace sparvane::network {

class TickCounter {
public:
    // Takes this tick's total and returns the bytes counted since the previous tick.
    // No total means the reading failed: the last total stands, so the tick counts 0
    // and the next good reading counts everything since. The first tick has nothing to
    // compare with and counts 0 (the total itself is no traffic of this tick). A total
    // that fell (a counter wrapped, an interface left the table) counts 0 for that tick
    // instead of a negative figure.
    std::uint64_t advance(std::optional<std::uint64_t> total) {
        if (total) {
            current_ = *total;
            haveCurrent_ = true;
        }
        const std::uint64_t delta = (havePrevious_ && current_ >= previous_) ? current_ - previous_ : 0;
        previous_ = current_;
        havePrevious_ = haveCurrent_;
        return delta;
    }

private:
    std::uint64_t previous_ = 0;
    std::uint64_t current_ = 0;
    bool haveCurrent_ = false;
    bool havePrevious_ = false;
};

}  // namespace sparvane::network

#include "network/traffic_tally.h"

#include <algorithm>

namespace sparvane::network {

void TrafficTally::collect(const std::vector<RowCounters>& rows) {
    current_.clear();
    for (const RowCounters& r : rows) {
        if (r.type == kSoftwareLoopbackType) continue;
        const bool in = direction_ == Direction::Received;
        // The occurrence field holds the row's position until the sort below.
        current_.push_back(Entry{r.index, static_cast<std::uint32_t>(current_.size()), r.lastChange,
                                 in ? r.octetsIn : r.octetsOut, in ? r.unicastIn : r.unicastOut,
                                 in ? r.nonUnicastIn : r.nonUnicastOut});
    }
    std::sort(current_.begin(), current_.end(), [](const Entry& a, const Entry& b) {
        return a.index != b.index ? a.index < b.index : a.occurrence < b.occurrence;
    });
    for (std::size_t i = 0; i < current_.size(); ++i)
        current_[i].occurrence =
            (i > 0 && current_[i - 1].index == current_[i].index) ? current_[i - 1].occurrence + 1 : 0;
}

bool TrafficTally::restarted(const Entry& before, const Entry& now) {
    return now.lastChange != before.lastChange || now.unicast < before.unicast || now.nonUnicast < before.nonUnicast;
}

TrafficTally::Step TrafficTally::take(const std::vector<RowCounters>& rows, std::uint64_t nowMs) {
    collect(rows);
    std::uint64_t readingTotal = 0;
    for (const Entry& e : current_) readingTotal += e.octets;
    if (readingTotal == 0) return {};

    Step step;
    step.taken = true;
    if (!started_) {
        started_ = true;
        firstTotal_ = readingTotal;
    } else {
        // nowMs never goes back, but a clock that did must not make a huge elapsed time.
        step.elapsedMs = nowMs > takenAtMs_ ? nowMs - takenAtMs_ : 0;
        // Both lists are sorted by (index, occurrence): one walk pairs them.
        auto before = previous_.cbegin();
        for (const Entry& now : current_) {
            while (before != previous_.cend() &&
                   (before->index < now.index || (before->index == now.index && before->occurrence < now.occurrence)))
                ++before;
            if (before == previous_.cend()) break;
            if (before->index != now.index || before->occurrence != now.occurrence) continue;  // new
            if (restarted(*before, now)) continue;
            // Unsigned 32-bit subtraction is the difference modulo 2^32: right across a wrap.
            step.bytes += static_cast<std::uint32_t>(now.octets - before->octets);
        }
    }
    counted_ += step.bytes;
    takenAtMs_ = nowMs;
    previous_.swap(current_);
    return step;
}

}  // namespace sparvane::network

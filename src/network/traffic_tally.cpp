#include "network/traffic_tally.h"

#include <algorithm>

namespace sparvane::network {

double plausibleBytes(std::uint64_t linkSpeed, std::uint64_t elapsedMs) {
    constexpr double kMargin = 1.5;
    constexpr double kSlackMs = 250;
    return static_cast<double>(linkSpeed) / 8.0 * kMargin * (static_cast<double>(elapsedMs) + kSlackMs) / 1000.0;
}

void TrafficTally::collect(const InterfaceReading& reading, const std::vector<RowVerdict>& verdicts) {
    current_.clear();
    const bool in = direction_ == Direction::Received;
    for (std::size_t i = 0; i < reading.rows.size() && i < verdicts.size(); ++i) {
        if (verdicts[i] != RowVerdict::Counted) continue;
        const platform::InterfaceRow& r = reading.rows[i];
        // The occurrence field holds the row's position until the sort below.
        current_.push_back(Entry{r.index, static_cast<std::uint32_t>(current_.size()), r.lastChange,
                                 in ? r.octetsIn : r.octetsOut, in ? r.unicastIn : r.unicastOut,
                                 in ? r.nonUnicastIn : r.nonUnicastOut, in ? r.receiveLinkSpeed : r.transmitLinkSpeed});
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

std::uint64_t TrafficTally::difference(const Entry& before, const Entry& now, std::uint64_t elapsedMs) const {
    if (restarted(before, now)) return 0;
    std::uint64_t bytes = 0;
    if (previousExtended_) {
        if (now.octets < before.octets) return 0;  // a 64-bit counter that falls was reset
        bytes = now.octets - before.octets;
    } else {
        // Unsigned 32-bit subtraction is the difference modulo 2^32: right across a wrap.
        bytes = static_cast<std::uint32_t>(static_cast<std::uint32_t>(now.octets) -
                                           static_cast<std::uint32_t>(before.octets));
    }
    if (now.linkSpeed != 0 && static_cast<double>(bytes) > plausibleBytes(now.linkSpeed, elapsedMs)) return 0;
    return bytes;
}

TrafficTally::Step TrafficTally::take(const InterfaceReading& reading, const std::vector<RowVerdict>& verdicts,
                                      std::uint64_t nowMs) {
    collect(reading, verdicts);
    std::uint64_t readingTotal = 0;
    for (const Entry& e : current_) readingTotal += e.octets;
    if (readingTotal == 0) return {};

    Step step;
    step.taken = true;
    // Counters of the two tables are not comparable: a change of table starts over.
    const bool sameTable = started_ && previousExtended_ == reading.extended;
    if (!started_) {
        started_ = true;
        firstTotal_ = readingTotal;
    } else {
        // nowMs never goes back, but a clock that did must not make a huge elapsed time.
        step.elapsedMs = nowMs > takenAtMs_ ? nowMs - takenAtMs_ : 0;
    }
    if (sameTable) {
        // Both lists are sorted by (index, occurrence): one walk pairs them.
        auto before = previous_.cbegin();
        for (const Entry& now : current_) {
            while (before != previous_.cend() &&
                   (before->index < now.index || (before->index == now.index && before->occurrence < now.occurrence)))
                ++before;
            if (before == previous_.cend()) break;
            if (before->index != now.index || before->occurrence != now.occurrence) continue;  // new
            step.bytes += difference(*before, now, step.elapsedMs);
        }
    }
    counted_ += step.bytes;
    takenAtMs_ = nowMs;
    previousExtended_ = reading.extended;
    previous_.swap(current_);
    return step;
}

}  // namespace sparvane::network

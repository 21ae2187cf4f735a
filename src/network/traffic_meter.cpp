#include "network/traffic_meter.h"

#include <algorithm>

namespace sparvane::network {

double TrafficFlow::barPosition() const { return static_cast<float>(std::clamp(kilobitsPerSecond(), 0.0, 100.0)); }

TrafficMeter::TrafficMeter(platform::InterfaceTable& table, forms::Application& app, platform::Clock& clock)
    : table_(table), app_(app), clock_(clock) {}

void TrafficMeter::start() {
    reader_ = std::make_unique<InterfaceReader>(table_, app_);
    verdicts_.clear();
    incoming_ = TrafficFlow(Direction::Received);
    outgoing_ = TrafficFlow(Direction::Sent);
    baselineTaken_ = false;
}

std::pair<TrafficTally::Step, TrafficTally::Step> TrafficMeter::takeReading() {
    const InterfaceReading& reading = reader_->read();
    const std::uint64_t at = clock_.monotonicMs();
    verdicts_ = judgeRows(reading);
    return {incoming_.tally.take(reading, verdicts_, at), outgoing_.tally.take(reading, verdicts_, at)};
}

double TrafficMeter::tickRate(const TrafficTally::Step& first, const TrafficTally::Step& second, double previous) {
    // The bytes since the last reading taken over the time they took, so that neither an
    // early nor a late tick distorts the figure. Readings too close together to measure
    // (the first tick's two) keep the last figure; a tick that could take no reading at
    // all shows 0, so that a table that can no longer be read does not leave an old
    // figure standing.
    constexpr std::uint64_t kShortestIntervalMs = 50;
    if (!first.taken && !second.taken) return 0;
    const std::uint64_t elapsed = first.elapsedMs + second.elapsedMs;
    if (elapsed < kShortestIntervalMs) return previous;
    return static_cast<double>(first.bytes + second.bytes) / static_cast<double>(elapsed);
}

void TrafficMeter::tick() {
    if (!reader_) return;
    const auto [received1, sent1] = takeReading();
    const auto [received2, sent2] = takeReading();
    incoming_.kilobytesPerSecond = tickRate(received1, received2, incoming_.kilobytesPerSecond);
    outgoing_.kilobytesPerSecond = tickRate(sent1, sent2, outgoing_.kilobytesPerSecond);
    // What the tallies counted since their first reading. Counted differences never go
    // down, not past 4 GiB, not when an interface leaves, and a machine that had sent
    // nothing at start still gets its count.
    if (baselineTaken_) {
        incoming_.sinceStart = incoming_.tally.counted();
        outgoing_.sinceStart = outgoing_.tally.counted();
    }
    baselineTaken_ = true;
    incoming_.history.push(incoming_.kilobytesPerSecond);
    outgoing_.history.push(outgoing_.kilobytesPerSecond);
}

void TrafficMeter::trackRecords() {
    for (TrafficFlow* flow : {&incoming_, &outgoing_}) {
        const auto sample = static_cast<float>(flow->kilobytesPerSecond);
        flow->record = std::max(flow->record, sample);
    }
}

}  // namespace sparvane::network

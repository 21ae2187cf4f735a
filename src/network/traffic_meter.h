#pragma once
// What the program measures of the network, in numbers: every tick reads the interface
// table twice and takes from the rows the counting rule picks the rate of the tick in each
// direction, the byte totals, the bytes since the first tick, the 200-slot histories and
// the highest figures. The windows show what it holds; nothing here knows a control.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "forms/application.h"
#include "network/counting_rule.h"
#include "network/interface_reader.h"
#include "network/speed_history.h"
#include "network/traffic_tally.h"
#include "platform/desktop.h"
#include "platform/interface_table.h"

namespace sparvane::network {

// One direction's figures.
struct TrafficFlow {
    explicit TrafficFlow(Direction direction) : tally(direction) {}

    TrafficTally tally;
    double kilobytesPerSecond = 0;  // the last tick's rate (1 kB = 1000 bytes)
    // Bytes counted since the first tick; empty on that tick, which is the baseline.
    std::optional<std::uint64_t> sinceStart;
    SpeedHistory history;
    float record = 0;  // the highest rate the record tracker has seen, in single precision

    [[nodiscard]] double kilobitsPerSecond() const { return kilobytesPerSecond * 8; }
    // The bars under the figures run from 0 to 100 kilobits a second; a faster line fills
    // its bar. The position is kept in single precision, as the bars take it.
    [[nodiscard]] double barPosition() const;
};

class TrafficMeter {
public:
    TrafficMeter(platform::InterfaceTable& table, forms::Application& app, platform::Clock& clock);
    TrafficMeter(const TrafficMeter&) = delete;
    TrafficMeter& operator=(const TrafficMeter&) = delete;

    // Starts the count afresh (the network window's load): no reading yet, empty histories,
    // no records.
    void start();
    // One traffic tick: two readings of the table. Does nothing before start().
    void tick();
    // The record tracker's sample: a rate above a direction's record becomes its record.
    void trackRecords();

    [[nodiscard]] const TrafficFlow& incoming() const { return incoming_; }
    [[nodiscard]] const TrafficFlow& outgoing() const { return outgoing_; }
    // The last reading of the interface table and the counting rule's verdict on each row.
    [[nodiscard]] const InterfaceReading* lastReading() const { return reader_ ? &reader_->last() : nullptr; }
    [[nodiscard]] const std::vector<RowVerdict>& lastVerdicts() const { return verdicts_; }

private:
    // Takes one reading into both tallies; the steps are what each counted.
    std::pair<TrafficTally::Step, TrafficTally::Step> takeReading();
    [[nodiscard]] static double tickRate(const TrafficTally::Step& first, const TrafficTally::Step& second,
                                         double previous);

    platform::InterfaceTable& table_;
    forms::Application& app_;
    platform::Clock& clock_;
    std::unique_ptr<InterfaceReader> reader_;
    std::vector<RowVerdict> verdicts_;
    TrafficFlow incoming_{Direction::Received};
    TrafficFlow outgoing_{Direction::Sent};
    bool baselineTaken_ = false;
};

}  // namespace sparvane::network

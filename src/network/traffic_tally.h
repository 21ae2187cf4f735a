#pragma once
// Bytes counted in one direction, interface by interface, from successive readings of the
// interface table.
//
// The table's octet counters are 32 bits wide and wrap (every 34 s at 1 Gbit/s, every
// second or two on a fast virtual link), interfaces come and go, and a driver may restart
// its counters. A difference of table totals turns each of these into a lost or negative
// figure, so rows are matched between readings by interface index and each one's
// difference is taken modulo 2^32. A row that has no partner in the reading before (new),
// or whose counters started over, counts nothing for that reading; a row that has gone
// simply stops counting. The total never goes down.
#include <cstdint>
#include <vector>

#include "network/if_table_parser.h"

namespace sparvane::network {

enum class Direction { Received, Sent };

// The software loopback interface: its traffic never leaves the machine, so it is not
// internet traffic (Wine lists the Linux loopback with real counters; Windows keeps 0).
constexpr std::uint32_t kSoftwareLoopbackType = 24;

class TrafficTally {
public:
    explicit TrafficTally(Direction direction) : direction_(direction) {}

    struct Step {
        std::uint64_t bytes = 0;      // counted since the reading taken before this one
        std::uint64_t elapsedMs = 0;  // time since that reading; 0 when this one is the first
        bool taken = false;           // false: the reading was left out and nothing changed
    };

    // Takes one reading made at nowMs on the monotonic clock. A reading whose counted rows
    // add up to 0 is left out: it is a failed reading (no rows) or a table that reads all
    // zeros for a moment, and taking it would make the next reading's whole count look
    // like one tick's traffic. The state before it stays.
    Step take(const std::vector<RowCounters>& rows, std::uint64_t nowMs);

    // The counted rows' total at the first reading taken, plus every difference counted
    // since: the byte count of the machine, kept in 64 bits and never falling.
    [[nodiscard]] std::uint64_t total() const { return firstTotal_ + counted_; }
    // Every difference counted since the first reading taken.
    [[nodiscard]] std::uint64_t counted() const { return counted_; }

private:
    struct Entry {
        std::uint32_t index;
        std::uint32_t occurrence;  // rows sharing an index are paired in table order
        std::uint32_t lastChange;
        std::uint32_t octets;
        std::uint32_t unicast;
        std::uint32_t nonUnicast;
    };
    void collect(const std::vector<RowCounters>& rows);
    // The interface started over since the last reading: its status changed (the time of
    // its last change moved) or a packet counter went back. Every packet carries dozens of
    // octets, so a packet counter wraps dozens of times less often than the octet counter
    // and its fall is taken for a restart, not for a wrap.
    static bool restarted(const Entry& before, const Entry& now);

    Direction direction_;
    std::vector<Entry> previous_;  // the last reading taken, sorted by (index, occurrence)
    std::vector<Entry> current_;   // scratch for the reading being taken, kept to reuse
    std::uint64_t firstTotal_ = 0;
    std::uint64_t counted_ = 0;
    std::uint64_t takenAtMs_ = 0;
    bool started_ = false;
};

}  // namespace sparvane::network

#pragma once
// Bytes counted in one direction, interface by interface, from successive readings of the
// interface table.
//
// Interfaces come and go, drivers restart their counters, and the older table's 32-bit
// counters wrap (every 34 s at 1 Gbit/s, every 3.4 s at 10 Gbit/s). A difference of table
// totals turns each of these into a lost or negative figure, so rows are matched between
// readings by interface index and each one's difference is taken on its own: plainly for
// 64-bit counters, where a fall is a reset; modulo 2^32 for 32-bit ones. A row that has no
// partner in the reading before (new), whose counters started over, or whose difference
// its link's known speed cannot explain, counts nothing for that reading; a row that has
// gone simply stops counting. The total never goes down.
#include <cstdint>
#include <vector>

#include "network/counting_rule.h"
#include "network/interface_reader.h"

namespace sparvane::network {

enum class Direction { Received, Sent };

class TrafficTally {
public:
    explicit TrafficTally(Direction direction) : direction_(direction) {}

    struct Step {
        std::uint64_t bytes = 0;      // counted since the reading taken before this one
        std::uint64_t elapsedMs = 0;  // time since that reading; 0 when this one is the first
        bool taken = false;           // false: the reading was left out and nothing changed
    };

    // Takes one reading made at nowMs on the monotonic clock; only the rows whose verdict
    // is Counted count. A reading whose counted rows add up to 0 is left out: it is a
    // failed reading (no rows) or a table that reads all zeros for a moment, and taking it
    // would make the next reading's whole count look like one tick's traffic.
    Step take(const InterfaceReading& reading, const std::vector<RowVerdict>& verdicts, std::uint64_t nowMs);

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
        std::uint64_t octets;
        std::uint64_t unicast;
        std::uint64_t nonUnicast;
        std::uint64_t linkSpeed;  // bit/s; 0: unknown
    };
    void collect(const InterfaceReading& reading, const std::vector<RowVerdict>& verdicts);
    [[nodiscard]] std::uint64_t difference(const Entry& before, const Entry& now, std::uint64_t elapsedMs) const;
    // The interface started over since the last reading: its status changed (the time of
    // its last change moved) or a packet counter went back. Every packet carries dozens of
    // octets, so a packet counter wraps dozens of times less often than the octet counter
    // and its fall is taken for a restart, not for a wrap.
    static bool restarted(const Entry& before, const Entry& now);

    Direction direction_;
    std::vector<Entry> previous_;  // the last reading taken, sorted by (index, occurrence)
    std::vector<Entry> current_;   // scratch for the reading being taken, kept to reuse
    bool previousExtended_ = false;
    std::uint64_t firstTotal_ = 0;
    std::uint64_t counted_ = 0;
    std::uint64_t takenAtMs_ = 0;
    bool started_ = false;
};

// The most bytes a link of linkSpeed bit/s can carry in elapsedMs, with room for the
// counters and the clock not being read at the same instant: 1.5 times the link's speed
// over the elapsed time and a quarter second more. A larger difference is a counter gone
// wrong (a 32-bit fall taken for a wrap, a driver's reset) and counts nothing.
[[nodiscard]] double plausibleBytes(std::uint64_t linkSpeed, std::uint64_t elapsedMs);

}  // namespace sparvane::network

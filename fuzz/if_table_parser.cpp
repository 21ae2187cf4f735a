// libFuzzer target for the interface table parser and the traffic tally that takes its
// readings. Any bytes the service could hand over (or a damaged buffer) must parse without
// reading outside the buffer, and the reading must stay consistent with the bytes. The
// input also seeds two readings of a table of up to 400 rows (rows repeated from the
// input with indices that collide, loopback rows, rows that leave or restart), and the
// tally's count is checked against a plain search over both tables, the old table's
// 32-bit wrap and the link-speed cap included.
//
//   cmake --preset fuzz && cmake --build --preset fuzz
//   build/fuzz/fuzz_if_table_parser -max_total_time=60 -max_len=4000
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "network/counting_rule.h"
#include "network/if_table_parser.h"
#include "network/traffic_tally.h"

namespace {

using namespace sparvane::network;

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void put32(std::uint8_t* p, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) p[k] = static_cast<std::uint8_t>(v >> (8 * k));
}

void checkParse(const std::uint8_t* data, std::size_t size) {
    const std::vector<platform::InterfaceRow> rows = parseInterfaceTable(data, size);
    if (size < kIfTableHeaderBytes) {
        if (!rows.empty()) __builtin_trap();
        return;
    }
    const std::size_t complete = (size - kIfTableHeaderBytes) / kIfRowBytes;
    const std::size_t expectedRows = le32(data) < complete ? le32(data) : complete;
    if (rows.size() != expectedRows) __builtin_trap();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::uint8_t* row = data + kIfTableHeaderBytes + i * kIfRowBytes;
        const platform::InterfaceRow& r = rows[i];
        if (r.index != le32(row + if_row::kIndex) || r.lastChange != le32(row + if_row::kLastChange) ||
            r.octetsIn != le32(row + if_row::kInOctets) || r.octetsOut != le32(row + if_row::kOutOctets) ||
            r.receiveLinkSpeed != le32(row + if_row::kSpeed))
            __builtin_trap();
        if (r.hardware || r.filter) __builtin_trap();          // the old table has no flags
        if (r.description.size() > 256 * 3) __builtin_trap();  // 3 UTF-8 bytes per char at most
    }
}

// The input, read as a stream of bytes that never runs dry (it starts over).
struct Stream {
    const std::uint8_t* data;
    std::size_t size, at = 0;
    std::uint8_t byte() { return data[at++ % size]; }
    std::uint32_t word() {
        return byte() | (byte() << 8) | (byte() << 16) | (static_cast<std::uint32_t>(byte()) << 24);
    }
};

// The bytes received by the second reading, found the slow way: each counted row of the
// second table is paired with the row of the first that has its index and as many rows of
// that index before it.
using Rows = std::vector<platform::InterfaceRow>;
bool counts(const platform::InterfaceRow& r) { return r.type != platform::if_type::kSoftwareLoopback; }

std::uint64_t expectedBytes(const Rows& before, const Rows& now, std::uint64_t elapsedMs) {
    const auto nth = [](const Rows& rows, std::uint32_t index, std::size_t n) -> const platform::InterfaceRow* {
        for (const auto& r : rows)
            if (counts(r) && r.index == index && n-- == 0) return &r;
        return nullptr;
    };
    std::uint64_t bytes = 0;
    for (std::size_t i = 0; i < now.size(); ++i) {
        const platform::InterfaceRow& r = now[i];
        if (!counts(r)) continue;
        std::size_t earlier = 0;
        for (std::size_t j = 0; j < i; ++j) earlier += counts(now[j]) && now[j].index == r.index;
        const platform::InterfaceRow* b = nth(before, r.index, earlier);
        if (!b || b->lastChange != r.lastChange || r.unicastIn < b->unicastIn || r.nonUnicastIn < b->nonUnicastIn)
            continue;
        const std::uint64_t moved = static_cast<std::uint32_t>(r.octetsIn - b->octetsIn);
        if (r.receiveLinkSpeed != 0 && static_cast<double>(moved) > plausibleBytes(r.receiveLinkSpeed, elapsedMs))
            continue;
        bytes += moved;
    }
    return bytes;
}

std::uint64_t countedTotal(const Rows& rows) {
    std::uint64_t t = 0;
    for (const auto& r : rows) t += counts(r) ? r.octetsIn : 0;
    return t;
}

void checkTally(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return;
    Stream in{data, size};
    // Mostly a few rows, so that many inputs run; one input in eight holds up to 400.
    const std::size_t rows = in.byte() % 8 == 0 ? 1 + in.word() % 400 : 1 + in.byte() % 16;
    const std::uint32_t indices = 1 + in.byte() % 64;  // few indices: many rows share one

    // First table: every row is a window of the input, with its fields set from it.
    std::vector<std::uint8_t> first(kIfTableHeaderBytes + rows * kIfRowBytes);
    put32(first.data(), static_cast<std::uint32_t>(rows));
    for (std::size_t r = 0; r < rows; ++r) {
        std::uint8_t* row = first.data() + kIfTableHeaderBytes + r * kIfRowBytes;
        for (std::size_t k = 0; k < kIfRowBytes; ++k) row[k] = in.byte();
        put32(row + if_row::kIndex, in.word() % indices);
        put32(row + if_row::kType, in.byte() % 4 == 0 ? platform::if_type::kSoftwareLoopback : 6);
        if (in.byte() % 2 == 0) put32(row + if_row::kSpeed, 0);  // half the rows of unknown speed
    }
    // Second table: the same rows moved on; some left out, restarted or changed in status.
    std::vector<std::uint8_t> second(kIfTableHeaderBytes);
    std::size_t kept = 0;
    for (std::size_t r = 0; r < rows; ++r) {
        const std::uint8_t what = in.byte();
        if (what % 16 == 0) continue;  // gone
        const std::uint8_t* from = first.data() + kIfTableHeaderBytes + r * kIfRowBytes;
        second.insert(second.end(), from, from + kIfRowBytes);
        std::uint8_t* row = second.data() + second.size() - kIfRowBytes;
        put32(row + 552, le32(row + 552) + in.word());              // may wrap
        if (what % 16 == 1) put32(row + 556, le32(row + 556) - 1);  // a packet counter fell
        if (what % 16 == 2) put32(row + 548, le32(row + 548) + 1);  // status changed
        ++kept;
    }
    put32(second.data(), static_cast<std::uint32_t>(kept));

    const InterfaceReading a{parseInterfaceTable(first.data(), first.size()), false, true};
    const InterfaceReading b{parseInterfaceTable(second.data(), second.size()), false, true};
    TrafficTally tally(Direction::Received);
    const TrafficTally::Step s1 = tally.take(a, judgeRows(a), 1000);
    const std::uint64_t firstTotal = countedTotal(a.rows);
    if (s1.taken != (firstTotal != 0) || s1.bytes != 0 || tally.total() != (s1.taken ? firstTotal : 0))
        __builtin_trap();
    const TrafficTally::Step s2 = tally.take(b, judgeRows(b), 1500);
    if (!s1.taken) return;
    if (s2.taken != (countedTotal(b.rows) != 0)) __builtin_trap();
    const std::uint64_t expected = s2.taken ? expectedBytes(a.rows, b.rows, 500) : 0;
    if (s2.bytes != expected || tally.total() != firstTotal + expected || tally.counted() != expected) __builtin_trap();
    if (s2.taken && s2.elapsedMs != 500) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkParse(data, size);
    checkTally(data, size);
    return 0;
}

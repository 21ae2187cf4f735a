// One row's difference between two readings, on either table: 64-bit counters taken
// plainly (a fall is a reset), 32-bit ones modulo 2^32, and a difference the link's known
// speed cannot explain left out.
#include <gtest/gtest.h>

#include <ostream>

#include "network/traffic_tally.h"

namespace {

struct RowCase {
    const char* name;
    bool extended;  // GetIfTable2's 64-bit counters, or the old table's 32-bit ones
    std::uint64_t before, after;
    std::uint64_t linkSpeed;  // bit/s, 0 unknown
    std::uint64_t elapsedMs;
    std::uint64_t counted;
};
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

constexpr std::uint64_t k4GiB = 1ull << 32;
constexpr std::uint64_t kGigabit = 1'000'000'000;

// clang-format off
const RowCase kRows[] = {
    {"WideCountersAcross4GiB",         true,  k4GiB - 1'000, k4GiB + 12'000'000'000ull, 0, 5'000, 12'000'001'000ull},
    {"WideCounterThatFallsWasReset",   true,  90'000'000'000ull, 5'000, 0, 500, 0},
    {"NarrowCounterAcrossAWrap",       false, 0xFFFFF000u, 0x1000, 0, 500, 0x2000},
    // A 32-bit count that fell by a little reads as a wrap of almost 4 GiB: a gigabit link
    // carries 94 MB in half a second, so it counts nothing.
    {"NarrowFallBeyondTheLinksSpeed",  false, 3'000'000'000u, 2'999'000'000u, kGigabit, 500, 0},
    // 1 Gbit/s over 500 ms, with half as much again and a quarter second of slack: 140.6 MB.
    {"WideJustInsideTheMargin",        true,  1'000, 140'001'000, kGigabit, 500, 140'000'000},
    {"WideBeyondTheMargin",            true,  1'000, 141'001'000, kGigabit, 500, 0},
    // A reading held back 5 s may carry 5 s of a fast link's bytes.
    {"LateReadingAtFullSpeed",         true,  1'000, 6'000'001'000ull, 10 * kGigabit, 5'000, 6'000'000'000ull},
};
// clang-format on

platform::InterfaceRow ethernet(std::uint64_t octets, std::uint64_t speed) {
    platform::InterfaceRow r;
    r.index = 7;
    r.hardware = true;
    r.octetsIn = octets;
    r.receiveLinkSpeed = speed;
    return r;
}

}  // namespace

class RowDifference : public testing::TestWithParam<RowCase> {};

TEST_P(RowDifference, CountsWhatTheCountersAndTheLinkAllow) {
    const RowCase& c = GetParam();
    using sparvane::network::RowVerdict;
    const std::vector<RowVerdict> counted{RowVerdict::Counted};
    sparvane::network::TrafficTally tally(sparvane::network::Direction::Received);
    (void)tally.take({{ethernet(c.before, c.linkSpeed)}, c.extended, true}, counted, 1'000);
    const auto step = tally.take({{ethernet(c.after, c.linkSpeed)}, c.extended, true}, counted, 1'000 + c.elapsedMs);
    EXPECT_EQ(step.bytes, c.counted);
    EXPECT_EQ(step.elapsedMs, c.elapsedMs);
    EXPECT_EQ(tally.total(), c.before + c.counted);  // the total never falls
}

INSTANTIATE_TEST_SUITE_P(Rows, RowDifference, testing::ValuesIn(kRows),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(TrafficTally, ChangeOfTableStartsOverInsteadOfMixingCounters) {
    using sparvane::network::RowVerdict;
    const std::vector<RowVerdict> counted{RowVerdict::Counted};
    sparvane::network::TrafficTally tally(sparvane::network::Direction::Received);
    (void)tally.take({{ethernet(9'000'000'000ull, 0)}, true, true}, counted, 0);
    EXPECT_EQ(tally.take({{ethernet(1'000, 0)}, false, true}, counted, 500).bytes, 0u);
    EXPECT_EQ(tally.take({{ethernet(3'000, 0)}, false, true}, counted, 1'000).bytes, 2'000u);
}

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "network/speed_history.h"
#include "network/tick_counter.h"

using sparvane::network::SpeedHistory;
using sparvane::network::TickCounter;

TEST(SpeedHistory, FillsFromSlotFourWithTheNewestFigureInSlot200) {
    SpeedHistory h;
    h.push(1000);  // first tick: starts the history, not charted
    EXPECT_EQ(h.data(), std::vector<double>(200, 0.0));
    for (double figure : {2.0, 3.0, 4.0}) h.push(figure);
    std::vector<double> expected(200, 0.0);
    expected[3] = 2.0;
    expected[4] = 3.0;
    expected[199] = 4.0;
    EXPECT_EQ(h.data(), expected);
}

TEST(SpeedHistory, TheTickThatFillsIt199LosesItsPredecessorThenItScrolls) {
    SpeedHistory h;
    // Tick t pushes figure t. Tick 199 brings the slots in use to 200 and copies slot 200
    // onto itself, so figure 198 never enters the history.
    for (int t = 1; t <= 199; ++t) h.push(t);
    EXPECT_EQ(h.slot(199), 197.0);
    EXPECT_EQ(h.slot(200), 199.0);
    for (int t = 200; t <= 300; ++t) h.push(t);
    EXPECT_EQ(h.slot(200), 300.0);
    EXPECT_EQ(h.slot(99), 199.0);
    EXPECT_EQ(h.slot(98), 197.0);  // 198 was lost when the history filled
    EXPECT_EQ(h.slot(1), 100.0);
    EXPECT_EQ(h.data().size(), 200u);
}

TEST(SpeedHistory, ResetReturnsToTheLoadState) {
    SpeedHistory h;
    for (int t = 1; t <= 50; ++t) h.push(t);
    h.reset();
    EXPECT_EQ(h.data(), std::vector<double>(200, 0.0));
    h.push(9);
    h.push(5);
    EXPECT_EQ(h.slot(200), 5.0);  // the first tick after a reset is not charted again
    EXPECT_EQ(h.slot(3), 0.0);
}

TEST(TickCounter, CountsTheBytesOfEachTickNeverNegative) {
    using Step = std::pair<std::optional<std::uint64_t>, std::uint64_t>;  // total, bytes counted
    const std::vector<std::vector<Step>> runs = {
        // The first tick has no traffic of its own; a fallen total (wrap, interface gone)
        // counts 0; a failed reading keeps the last total and the next good one counts the gap.
        {{5'000'000'000, 0}, {5'000'012'345, 12345}, {5'000'012'345, 0}, {100, 0}, {600, 500},
         {std::nullopt, 0}, {1600, 1000}},
        // Failed readings before the first good one count nothing; that one is the baseline.
        {{std::nullopt, 0}, {std::nullopt, 0}, {70000, 0}, {70500, 500}},
        {{0, 0}, {800, 800}, {0, 0}},  // a zero total is a good baseline
    };
    for (std::size_t r = 0; r < runs.size(); ++r) {
        TickCounter c;
        for (std::size_t s = 0; s < runs[r].size(); ++s) {
            SCOPED_TRACE(testing::Message() << "run " << r << " step " << s);
            EXPECT_EQ(c.advance(runs[r][s].first), runs[r][s].second);
        }
    }
}

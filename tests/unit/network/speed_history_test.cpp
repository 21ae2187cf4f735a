#include <gtest/gtest.h>

#include "network/speed_history.h"
#include "network/tick_counter.h"

using sparvane::network::SpeedHistory;
using sparvane::network::TickCounter;

TEST(SpeedHistory, FillsFromSlotFourWithTheNewestFigureInSlot200) {
    SpeedHistory h;
    h.push(1000);  // first tick: starts the history, not charted
    for (int k = 1; k <= 200; ++k) EXPECT_EQ(h.slot(k), 0.0) << k;
    h.push(2);
    h.push(3);
    h.push(4);
    EXPECT_EQ(h.slot(1), 0.0);
    EXPECT_EQ(h.slot(2), 0.0);
    EXPECT_EQ(h.slot(3), 0.0);
    EXPECT_EQ(h.slot(4), 2.0);
    EXPECT_EQ(h.slot(5), 3.0);
    EXPECT_EQ(h.slot(6), 0.0);
    EXPECT_EQ(h.slot(200), 4.0);
    EXPECT_EQ(h.slotsInUse(), 5);
}

TEST(SpeedHistory, TheTickThatFillsIt199LosesItsPredecessorThenItScrolls) {
    SpeedHistory h;
    // Tick t pushes figure t. Tick 199 brings the slots in use to 200 and copies slot 200
    // onto itself, so figure 198 never enters the history.
    for (int t = 1; t <= 199; ++t) h.push(t);
    EXPECT_EQ(h.slotsInUse(), 200);
    EXPECT_EQ(h.slot(199), 197.0);
    EXPECT_EQ(h.slot(200), 199.0);
    h.push(200);
    EXPECT_EQ(h.slot(198), 197.0);
    EXPECT_EQ(h.slot(199), 199.0);
    EXPECT_EQ(h.slot(200), 200.0);
    for (int t = 201; t <= 300; ++t) h.push(t);
    EXPECT_EQ(h.slot(200), 300.0);
    EXPECT_EQ(h.slot(199), 299.0);
    EXPECT_EQ(h.slot(99), 199.0);
    EXPECT_EQ(h.slot(98), 197.0);  // 198 was lost when the history filled
    EXPECT_EQ(h.slot(1), 100.0);
    EXPECT_EQ(h.data().size(), 200u);
}

TEST(SpeedHistory, ResetReturnsToTheLoadState) {
    SpeedHistory h;
    for (int t = 1; t <= 50; ++t) h.push(t);
    h.reset();
    EXPECT_EQ(h.slotsInUse(), 1);
    for (double v : h.data()) EXPECT_EQ(v, 0.0);
    h.push(9);
    EXPECT_EQ(h.slot(200), 0.0);  // the first tick after a reset is not charted again
}

TEST(TickCounter, CountsTheBytesOfEachTickNeverNegative) {
    TickCounter c;
    EXPECT_EQ(c.advance(5'000'000'000), 0u);  // first tick: no traffic of its own
    EXPECT_EQ(c.advance(5'000'012'345), 12345u);
    EXPECT_EQ(c.advance(5'000'012'345), 0u);
    EXPECT_EQ(c.advance(100), 0u);            // total fell (wrap, interface gone)
    EXPECT_EQ(c.advance(600), 500u);          // counts on from the fallen total
    EXPECT_EQ(c.advance(std::nullopt), 0u);   // failed reading: the last total stands
    EXPECT_EQ(c.advance(1600), 1000u);        // and the next good one counts the gap
}

TEST(TickCounter, FailedReadingsBeforeTheFirstGoodOneCountNothing) {
    TickCounter c;
    EXPECT_EQ(c.advance(std::nullopt), 0u);
    EXPECT_EQ(c.advance(std::nullopt), 0u);
    EXPECT_EQ(c.advance(70000), 0u);  // first real total is a baseline, not a tick's traffic
    EXPECT_EQ(c.advance(70500), 500u);
}

TEST(TickCounter, AZeroTotalIsAGoodBaseline) {
    TickCounter c;
    EXPECT_EQ(c.advance(0), 0u);
    EXPECT_EQ(c.advance(800), 800u);
    EXPECT_EQ(c.advance(0), 0u);  // fell: 0, not negative
}

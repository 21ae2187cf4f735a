#include <gtest/gtest.h>

#include <vector>

#include "network/speed_history.h"

using sparvane::network::SpeedHistory;

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

#include <gtest/gtest.h>

#include <algorithm>

#include "network/number_text.h"
#include "shell/form3.h"
#include "shell/registration.h"
#include "traffic_fixture.h"

using traffic_test::TrafficTest;

// A day of 500 ms ticks on the virtual clock with counters that move every tick and wrap
// many times: nothing piles up and every figure, history slot and record stays right.
TEST_F(TrafficTest, ADayOfTicksKeepsFiguresHistoriesAndRecordsRightWithoutGrowth) {
    auto& rows = world.interfaceTable.rows;
    rows[0].octetsIn = 0xFFFF0000u;   // loopback, about to wrap
    rows[0].octetsOut = 0xFFFF0000u;
    rows[1].octetsIn = 4'000'000'000u;
    rows.push_back(rows[1]);
    rows[2].index = 3;
    rows[2].octetsIn = 7;
    auto& m = monitor();
    widget();  // the feed's target, loaded before counting windows

    std::uint64_t previousTotal = 0;
    const auto totalIn = [&] {
        std::uint64_t t = 0;
        for (const auto& r : rows) t += r.octetsIn;
        return t;
    };
    constexpr int kTicks = 172'800;
    // Two ticks of 12999.999 kB (with the wrapping row's 3000 kB), above everything else:
    // the record tracker samples every 700 ms, so a figure shown for 1 s is always seen.
    constexpr int kPeakTick = 100'000;
    std::size_t windowsAfterFirstTick = 0;
    double lastFigure = 0, figureBefore = 0, maxSampled = 0;
    int wrapTicks = 0;

    for (int t = 1; t <= kTicks; ++t) {
        if (t > 1) {
            const bool peak = t == kPeakTick || t == kPeakTick + 1;
            const std::uint32_t in = peak ? 9'999'999u : static_cast<std::uint32_t>((t * 7919) % 60'000);
            world.interfaceTable.addTraffic(0, in / 3, 100);
            world.interfaceTable.addTraffic(1, in - in / 3, 50);
            world.interfaceTable.addTraffic(2, 3'000'000u, 0);  // wraps every ~1400 ticks
        }
        const std::uint64_t total = totalIn();
        world.backend.advance(500);

        const double expected =
            t == 1 ? 0.0 : (total >= previousTotal ? static_cast<double>(total - previousTotal) / 1000.0 : 0.0);
        if (t > 1 && total < previousTotal) ++wrapTicks;
        previousTotal = total;
        ASSERT_EQ(m.Label8.caption(), sparvane::network::formatGeneral(expected, ".")) << "tick " << t;
        ASSERT_EQ(widget().Label1.caption(), sparvane::network::formatGeneral(expected * 8, ".")) << "tick " << t;
        figureBefore = lastFigure;
        lastFigure = expected;
        if (t >= 8) maxSampled = std::max(maxSampled, expected);  // the tracker starts after 3.7 s
        if (t == 1) windowsAfterFirstTick = world.backend.liveWindowCount();
    }

    EXPECT_GT(wrapTicks, 100);
    ASSERT_NE(m.ipHelper()->currentInterfaces(), nullptr);
    EXPECT_EQ(m.ipHelper()->currentInterfaces()->Count(), rows.size());
    EXPECT_EQ(world.backend.liveWindowCount(), windowsAfterFirstTick);
    EXPECT_EQ(world.backend.activeTimerCount(), 3u);  // Timer1, Timer3 and the widget's clock
    EXPECT_EQ(world.app.forms().size(), 2u);
    EXPECT_EQ(m.incomingHistory().data().size(), 200u);
    EXPECT_EQ(m.incomingHistory().slot(200), lastFigure);
    EXPECT_EQ(m.incomingHistory().slot(199), figureBefore);
    EXPECT_EQ(m.MSChart1.data(), m.incomingHistory().data());
    EXPECT_DOUBLE_EQ(maxSampled, 12999.999);
    EXPECT_EQ(m.RecordIncoming.caption(), "13000");  // kept in single precision
    EXPECT_EQ(m.RecordOutgoing.caption(), "0.15");
    EXPECT_TRUE(world.trayIcon.entry);
    EXPECT_EQ(world.trayIcon.failedCalls, 0);
}

// The monitor as the program builds it: inside the real network window.
TEST(TrafficInNetworkWindow, FeedsTheWidgetFromTheProgramsOwnWindows) {
    fakes::TestWorld world;
    sparvane::shell::registerForms(world.ctx);
    fakes::FakeInterfaceRow lo;
    lo.type = 24;
    lo.octetsIn = 5000;
    world.interfaceTable.rows = {lo};
    auto& form3 = world.app.form<sparvane::shell::Form3>();
    world.backend.advance(500);
    world.interfaceTable.addTraffic(0, 12345, 0);
    world.backend.advance(500);
    EXPECT_EQ(form3.traffic().Label8.caption(), "12.345");
    auto* widget = world.app.loadedForm<sparvane::shell::Form1>();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->Label1.caption(), "98.76");
    EXPECT_TRUE(world.trayIcon.entry);
}

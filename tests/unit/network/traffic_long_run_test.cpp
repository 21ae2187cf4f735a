#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "network/number_text.h"
#include "shell/form3.h"
#include "shell/registration.h"
#include "traffic_fixture.h"

using traffic_test::TrafficTest;

// A day of 500 ms ticks on the virtual clock with counters that move every tick and wrap
// many times, some ticks late: nothing piles up, and every figure, history slot, record
// and total is the one worked out here from the bytes the test itself put on the rows.
TEST_F(TrafficTest, ADayOfTicksKeepsFiguresHistoriesRecordsAndTotalsRightWithoutGrowth) {
    auto& rows = world.interfaceTable.rows;
    rows[0].octetsIn = 0xFFFF0000u;  // loopback, about to wrap; never counted
    rows[0].octetsOut = 0xFFFF0000u;
    rows[1].octetsIn = 4'000'000'000u;
    rows.push_back(rows[1]);
    rows[2].index = 3;
    rows[2].octetsIn = 7;
    auto& m = monitor();
    widget();  // the feed's target, loaded before counting windows

    constexpr int kTicks = 172'800;
    constexpr int kLateEvery = 997;  // those ticks come 1000 ms late and cover 1500 ms
    // Two ticks of 9,666.666 kB, above everything else: the record tracker samples every
    // 700 ms, so a figure shown for 1 s is always seen.
    constexpr int kPeakTick = 100'000;
    std::uint64_t receivedTotal = 4'000'000'007u;  // the non-loopback rows at the first tick
    std::uint64_t receivedSinceStart = 0;
    std::size_t windowsAfterFirstTick = 0;
    double lastFigure = 0, figureBefore = 0, maxSampled = 0;

    for (int t = 1; t <= kTicks; ++t) {
        std::uint64_t counted = 0;  // the bytes this tick brings onto the counted rows
        const bool late = t % kLateEvery == 0;
        if (t > 1) {
            const bool peak = t == kPeakTick || t == kPeakTick + 1;
            const std::uint32_t in = peak ? 9'999'999u : static_cast<std::uint32_t>((t * 7919) % 60'000);
            world.interfaceTable.addTraffic(0, in / 3, 100);
            world.interfaceTable.addTraffic(1, in - in / 3, 50);
            world.interfaceTable.addTraffic(2, 3'000'000u, 0);  // wraps every ~1400 ticks
            counted = (in - in / 3) + 3'000'000u;
        }
        tick(late ? 1000 : 0);
        receivedTotal += counted;
        receivedSinceStart += counted;

        const double expected = late ? static_cast<double>(counted) / 3000.0 : static_cast<double>(counted) / 1000.0;
        const std::string figure = sparvane::network::formatGeneral(expected, ".");
        ASSERT_EQ(m.Label8.caption(), figure) << "tick " << t;
        // The widget multiplies the figure as the caption shows it (15 digits).
        ASSERT_EQ(widget().Label1.caption(), sparvane::network::formatGeneral(std::stod(figure) * 8, ".")) << "tick " << t;
        figureBefore = lastFigure;
        lastFigure = expected;
        if (t >= 8) maxSampled = std::max(maxSampled, expected);  // the tracker starts after 3.7 s
        if (t == 1) windowsAfterFirstTick = world.backend.liveWindowCount();
    }

    EXPECT_GT(receivedTotal, 100 * (std::uint64_t{1} << 32));  // the counters wrapped over a hundred times
    EXPECT_EQ(world.trayIcon.entry->tip, "Bytes received: " + sparvane::network::formatTotal(receivedTotal, ",") +
                                             "\r\n Bytes sent: " +
                                             sparvane::network::formatTotal(std::uint64_t{2'000u + 50u * (kTicks - 1)}, ","));
    EXPECT_EQ(m.lblRecv.caption(), sparvane::network::formatGeneral(static_cast<double>(receivedSinceStart), "."));
    ASSERT_NE(m.ipHelper()->currentInterfaces(), nullptr);
    EXPECT_EQ(m.ipHelper()->currentInterfaces()->Count(), rows.size());
    EXPECT_EQ(world.backend.liveWindowCount(), windowsAfterFirstTick);
    EXPECT_EQ(world.backend.activeTimerCount(), 3u);  // Timer1, Timer3 and the widget's clock
    EXPECT_EQ(world.app.forms().size(), 2u);
    EXPECT_EQ(m.incomingHistory().data().size(), 200u);
    EXPECT_EQ(m.incomingHistory().slot(200), lastFigure);
    EXPECT_EQ(m.incomingHistory().slot(199), figureBefore);
    EXPECT_EQ(m.MSChart1.data(), m.incomingHistory().data());
    EXPECT_DOUBLE_EQ(maxSampled, 9666.666);
    EXPECT_EQ(m.RecordIncoming.caption(), "9666.666");  // kept in single precision
    EXPECT_EQ(m.RecordOutgoing.caption(), "0.05");
    EXPECT_TRUE(world.trayIcon.entry);
    EXPECT_EQ(world.trayIcon.failedCalls, 0);
}

// The monitor as the program builds it: inside the real network window.
TEST(TrafficInNetworkWindow, FeedsTheWidgetFromTheProgramsOwnWindows) {
    fakes::TestWorld world;
    sparvane::shell::registerForms(world.ctx);
    fakes::FakeInterfaceRow eth;
    eth.octetsIn = 5000;
    world.interfaceTable.rows = {eth};
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

#include <gtest/gtest.h>

#include "network/number_text.h"
#include "traffic_fixture.h"

using traffic_test::TrafficTest;

TEST_F(TrafficTest, TrayEntryIsAddedOnLoadUpdatedEachTickAndDeletedOnUnload) {
    auto& w = window();
    ASSERT_TRUE(world.trayIcon.entry);
    EXPECT_EQ(world.trayIcon.entry->window, w.hWnd());
    EXPECT_EQ(world.trayIcon.entry->flags, 7u);  // message, icon and tip
    EXPECT_TRUE(world.trayIcon.entry->programIcon);
    EXPECT_EQ(world.trayIcon.entry->tip, "Bytes received: \r\n Bytes sent: ");
    EXPECT_EQ(world.interfaceTable.calls, 0);  // no reading before the first tick
    tick();
    EXPECT_TRUE(world.app.unload(w, forms::unload_mode::kAppWindows));
    EXPECT_FALSE(world.trayIcon.entry);
    w.monitor.removeTrayIcon();  // a repeat is harmless
    EXPECT_EQ(world.trayIcon.calls, (std::vector<std::string>{"add", "modify", "delete", "delete"}));
    // The window is a few pixels wide; none of the monitor's controls may show in it.
    for (const auto& c : w.controls())
        if (!c->container()) EXPECT_TRUE(c->leftTwips() >= 495 || c->topTwips() >= 210) << c->qualifiedName();
}

struct Scenario {
    const char* label;
    std::uint32_t startIn, startOut;  // the Ethernet row's counters at the first tick
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ticks;  // bytes in and out before each later tick
    const char *incoming, *outgoing;  // Label8, Label6
    const char *download, *upload;    // the widget's Label1, Label2
    double downloadBar, uploadBar;    // PB1 and p1, PB2 and p2
    const char *received, *sent;      // bytes since the first tick (nullptr: not checked)
    const char* tip;                  // nullptr: not checked
};
class TrafficScenario : public TrafficTest, public testing::WithParamInterface<Scenario> {};
TEST_P(TrafficScenario, ShowsTheLastTicksFiguresOnTheWidgetAndTheTotals) {
    const Scenario& c = GetParam();
    world.interfaceTable.rows[1].octetsIn = c.startIn;
    world.interfaceTable.rows[1].octetsOut = c.startOut;
    auto& m = monitor();
    tick();
    for (const auto& [in, out] : c.ticks) {
        traffic(in, out);
        tick();
    }
    EXPECT_EQ(m.Label8.caption(), c.incoming);
    EXPECT_EQ(m.Label6.caption(), c.outgoing);
    EXPECT_EQ(widget().Label1.caption(), c.download);
    EXPECT_EQ(widget().Label2.caption(), c.upload);
    EXPECT_FLOAT_EQ(static_cast<float>(m.feed.PB1.value()), static_cast<float>(c.downloadBar));
    EXPECT_FLOAT_EQ(static_cast<float>(widget().p1.value()), static_cast<float>(c.downloadBar));
    EXPECT_FLOAT_EQ(static_cast<float>(widget().p2.value()), static_cast<float>(c.uploadBar));
    if (c.received) EXPECT_EQ(m.lblRecv.caption(), c.received);
    if (c.sent) EXPECT_EQ(m.lblSent.caption(), c.sent);
    if (c.tip) EXPECT_EQ(world.trayIcon.entry->tip, c.tip);
}
INSTANTIATE_TEST_SUITE_P(
    Ticks, TrafficScenario,
    testing::Values(
        // The whole totals at the first tick are its baseline, no traffic of that tick.
        Scenario{"FirstTick", 1'234'567, 2'000, {}, "0", "0", "0", "0", 0, 0, "r", "s",
                 "Bytes received: 1,234,567\r\n Bytes sent: 2,000"},
        // Bytes since the start are shown ungrouped; a zero total at the first tick is no
        // baseline, so that label keeps its design caption.
        Scenario{"SinceStart", 1'234'567, 0, {{100'000, 5}, {0, 0}}, "0", "0", "0", "0", 0, 0, "100000", "s",
                 "Bytes received: 1,334,567\r\n Bytes sent: 5"},
        // The worked examples; 5000 bytes (40 kilobits) put the bars at 40 first.
        Scenario{"Worked12345", 0, 0, {{5000, 0}, {12345, 0}}, "12.345", "0", "98.76", "0", 98.76, 0, "r", "s", nullptr},
        Scenario{"Worked12500", 0, 0, {{5000, 0}, {12500, 0}}, "12.5", "0", "100", "0", 100, 0, nullptr, nullptr, nullptr},
        Scenario{"OverTheBarLeavesIt", 0, 0, {{5000, 0}, {12600, 0}}, "12.6", "0", "100.8", "0", 40, 0, nullptr, nullptr,
                 nullptr},
        Scenario{"Upload", 0, 9, {{1000, 12345}}, "1", "12.345", "8", "98.76", 8, 98.76, "r", "12345",
                 "Bytes received: 1,000\r\n Bytes sent: 12,354"},
        // A total that fell (the received counter wraps to 0x100) shows 0, never a negative figure.
        Scenario{"Wrapped", 0xFFFFFF00u, 1'000, {{0x200, 800}}, "0", "0.8", "0", "6.4", 0, 6.4, nullptr, "800",
                 "Bytes received: 256\r\n Bytes sent: 1,800"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(TrafficTest, CommaDecimalLocaleShowsTheWholeFigureOnTheWidgetAndInTheRecord) {
    world.locale.decimal = ",";
    world.locale.thousands = ".";
    world.interfaceTable.rows[1].octetsIn = 1'234'567;
    auto& m = monitor();
    world.backend.advance(3000);  // six ticks, the first the baseline; the tracker starts
    traffic(12345);
    tick();
    EXPECT_EQ(m.Label8.caption(), "12,345");
    EXPECT_EQ(widget().Label1.caption(), "98,76");
    EXPECT_FLOAT_EQ(static_cast<float>(widget().p1.value()), 98.76f);
    EXPECT_EQ(m.lblRecv.caption(), "12345");
    EXPECT_EQ(world.trayIcon.entry->tip, "Bytes received: 1.246.912\r\n Bytes sent: ");
    world.backend.advance(200);  // the tracker's first comparison
    EXPECT_EQ(m.RecordIncoming.caption(), "12,345");
}

TEST_F(TrafficTest, FailedReadingCountsNothingAndTheNextGoodOneCatchesUp) {
    world.interfaceTable.rows[1].octetsIn = 9000;
    auto& m = monitor();
    tick();
    world.interfaceTable.fillResult = 31;
    traffic(1000);
    tick();
    EXPECT_EQ(m.Label8.caption(), "0");
    EXPECT_EQ(m.lblRecv.caption(), "r");
    world.interfaceTable.fillResult = 0;
    traffic(1000);
    tick();
    EXPECT_EQ(m.Label8.caption(), "2");
    EXPECT_EQ(m.lblRecv.caption(), "2000");
}

TEST_F(TrafficTest, MissingIpHelperIsReportedOncePerRunAndTheFiguresStayZero) {
    world.interfaceTable.notSupported = true;
    auto& m = monitor();
    for (int i = 0; i < 10; ++i) tick();
    ASSERT_EQ(world.backend.messages.size(), 1u);
    EXPECT_EQ(world.backend.messages[0].text, "IP Helper is not supported by this system.");
    EXPECT_EQ(world.backend.messages[0].title, "Sparvane");
    EXPECT_EQ(m.Label8.caption(), "0");
    EXPECT_EQ(widget().Label1.caption(), "0");
}

TEST_F(TrafficTest, ChartsAreGivenTheHistoriesEveryTick) {
    auto& m = monitor();
    tick();
    for (std::uint32_t k = 1; k <= 5; ++k) {
        traffic(k * 1000, k * 10);
        tick();
    }
    EXPECT_EQ(m.MSChart1.data(), m.incomingHistory().data());
    EXPECT_EQ(m.MSChart2.data(), m.outgoingHistory().data());
    EXPECT_EQ(m.MSChart1.data()[199], 5.0);
    EXPECT_EQ(m.MSChart2.data()[199], 0.05);
}

TEST_F(TrafficTest, RecordTrackerStartsAfterThreeSecondsAndKeepsOnlyAHigherFigure) {
    auto& m = monitor();
    tick();         // 500: the baseline
    traffic(9000);  // shown from the 1000 tick on, before the tracker starts: never sampled
    world.backend.advance(2499);
    EXPECT_FALSE(m.Timer3.timerEnabled());
    world.backend.advance(701);  // 3700: first comparison, of the 3500 tick's figure 0
    EXPECT_EQ(m.RecordIncoming.caption(), "");  // 0 is not above the starting record
    traffic(7500, 250);
    world.backend.advance(700);  // 4400: compares the 4000 tick's figures
    EXPECT_EQ(m.RecordIncoming.caption(), "7.5");
    EXPECT_EQ(m.RecordOutgoing.caption(), "0.25");
    for (int i = 0; i < 20; ++i) {
        traffic(1000, 100);
        world.backend.advance(500);
    }
    EXPECT_EQ(m.RecordIncoming.caption(), "7.5");  // lower figures never lower it
    EXPECT_EQ(m.RecordOutgoing.caption(), "0.25");
    EXPECT_FALSE(m.Timer5.timerEnabled());  // it fired once only
}


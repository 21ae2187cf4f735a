#include <gtest/gtest.h>

#include "network/number_text.h"
#include "traffic_fixture.h"

using traffic_test::TrafficTest;

namespace {
constexpr forms::Color kRed = forms::rgb(255, 0, 0);
constexpr forms::Color kBlue = forms::rgb(30, 144, 255);
}  // namespace

TEST_F(TrafficTest, LoadGivesTheChartsZeroedSeriesAndTheirColours) {
    auto& m = monitor();
    ASSERT_EQ(m.MSChart1.data().size(), 200u);
    ASSERT_EQ(m.MSChart2.data().size(), 200u);
    for (int s = 1; s <= 200; ++s) {
        EXPECT_EQ(m.MSChart1.data()[s - 1], 0.0);
        EXPECT_EQ(m.MSChart1.seriesColor(s), kRed) << s;
        EXPECT_EQ(m.MSChart2.seriesColor(s), kBlue) << s;
    }
    EXPECT_NE(m.ipHelper(), nullptr);
    EXPECT_EQ(world.interfaceTable.calls, 0);  // no reading before the first tick
}

TEST_F(TrafficTest, LoadRegistersTheTrayEntryWithEmptyCounts) {
    auto& w = window();
    ASSERT_TRUE(world.trayIcon.entry);
    const auto& e = *world.trayIcon.entry;
    EXPECT_EQ(world.trayIcon.calls, (std::vector<std::string>{"add"}));
    EXPECT_EQ(e.window, w.hWnd());
    EXPECT_NE(e.window, 0u);
    EXPECT_EQ(e.id, 0u);
    EXPECT_EQ(e.flags, 7u);
    EXPECT_EQ(e.callbackMessage, 512u);
    EXPECT_TRUE(e.programIcon);
    EXPECT_EQ(e.tip, "Bytes received: \r\n Bytes sent: ");
}

struct DesignedText {
    const char* control;
    const char* text;
};
class TrafficControls : public TrafficTest, public testing::WithParamInterface<DesignedText> {};
TEST_P(TrafficControls, CarryTheirDesignedTexts) {
    auto* c = dynamic_cast<forms::TextControl*>(window().findControl(GetParam().control));
    ASSERT_NE(c, nullptr) << GetParam().control;
    EXPECT_EQ(c->caption(), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Design, TrafficControls,
    testing::Values(DesignedText{"Frame4", "Incoming Speed Graph"}, DesignedText{"Frame5", "Outgoing Speed Graph"},
                    DesignedText{"Frame1", "Trafic"}, DesignedText{"Frame3", "Recieved"},
                    DesignedText{"Frame2", "Sent"}, DesignedText{"lblRecv", "r"}, DesignedText{"lblSent", "s"},
                    DesignedText{"Label8", ""}, DesignedText{"Label6", ""}, DesignedText{"RecordIncoming", ""},
                    DesignedText{"RecordOutgoing", ""}, DesignedText{"Label1", "Label1"},
                    DesignedText{"Label9(0)", "kBps"}, DesignedText{"Label9(1)", "kBps"},
                    DesignedText{"Label9(2)", "Incomming"}, DesignedText{"Label9(3)", "Outgoing"},
                    DesignedText{"Label9(4)", "kBps"}, DesignedText{"Text1", "Text1"},
                    DesignedText{"Text2", "Text2"}));

TEST_F(TrafficTest, ControlsLieOutsideTheTinyClientAreaAndTimersAreSetAsDesigned) {
    auto& m = monitor();
    for (const auto& c : window().controls()) {
        if (c->container()) continue;  // placed inside a frame that lies outside
        EXPECT_TRUE(c->leftTwips() >= 495 || c->topTwips() >= 210) << c->qualifiedName();
    }
    EXPECT_EQ(m.Timer1.interval(), 500);
    EXPECT_TRUE(m.Timer1.timerEnabled());
    EXPECT_EQ(m.Timer5.interval(), 3000);
    EXPECT_TRUE(m.Timer5.timerEnabled());
    EXPECT_EQ(m.Timer3.interval(), 700);
    EXPECT_FALSE(m.Timer3.timerEnabled());
    EXPECT_EQ(m.feed.PB1.min(), 0);
    EXPECT_EQ(m.feed.PB1.max(), 100);
    EXPECT_EQ(m.feed.PB2.max(), 100);
}

TEST_F(TrafficTest, FirstTickTakesTheBaselineAndShowsNoTraffic) {
    world.interfaceTable.rows[0].octetsIn = 1'000'000;
    world.interfaceTable.rows[1].octetsIn = 234'567;
    world.interfaceTable.rows[1].octetsOut = 2'000;
    auto& m = monitor();
    tick();
    EXPECT_EQ(world.interfaceTable.calls, 4);  // two readings, each size then table
    EXPECT_EQ(m.lblRecv.tag(), "1,234,567");
    EXPECT_EQ(m.lblSent.tag(), "2,000");
    EXPECT_EQ(m.Label1.tag(), "1");
    EXPECT_EQ(m.lblRecv.caption(), "r");
    // The whole totals are no traffic of this tick.
    EXPECT_EQ(m.Label8.caption(), "0");
    EXPECT_EQ(m.Label6.caption(), "0");
    EXPECT_EQ(widget().Label1.caption(), "0");
    EXPECT_EQ(widget().p1.value(), 0);
    EXPECT_EQ(world.trayIcon.calls, (std::vector<std::string>{"add", "modify"}));
    EXPECT_EQ(world.trayIcon.entry->tip, "Bytes received: 1,234,567\r\n Bytes sent: 2,000");
    EXPECT_EQ(m.incomingHistory().slot(200), 0.0);
}

TEST_F(TrafficTest, ByteCountsSinceStartAreShownWithoutGrouping) {
    world.interfaceTable.rows[1].octetsIn = 1'234'567;
    world.interfaceTable.rows[1].octetsOut = 10;
    auto& m = monitor();
    tick();
    traffic(100'000, 5);
    tick();
    EXPECT_EQ(m.lblRecv.caption(), "100000");
    EXPECT_EQ(m.lblSent.caption(), "5");
    tick();
    EXPECT_EQ(m.lblRecv.caption(), "100000");  // nothing more arrived
}

TEST_F(TrafficTest, ZeroTotalAtTheFirstTickLeavesTheDesignCaption) {
    world.interfaceTable.rows[1].octetsOut = 10;  // nothing received yet
    auto& m = monitor();
    tick();
    EXPECT_EQ(m.lblRecv.tag(), "");
    traffic(300, 300);
    tick();
    EXPECT_EQ(m.lblRecv.caption(), "r");
    EXPECT_EQ(m.lblSent.caption(), "300");
}

struct FeedCase {
    std::uint32_t bytes;    // received during the tick
    const char* figure;     // Label8
    const char* kilobits;   // Text1 and the widget's Label1
    double bar;             // PB1 and p1; 40 is where the previous tick left them
};
class SpeedFeedPath : public TrafficTest, public testing::WithParamInterface<FeedCase> {};
TEST_P(SpeedFeedPath, CarriesTheFigureToTheWidget) {
    world.interfaceTable.rows[1].octetsIn = 77;
    auto& m = monitor();
    tick();
    traffic(5000);  // 40 kilobits: puts the bars at 40
    tick();
    ASSERT_EQ(widget().p1.value(), 40);
    traffic(GetParam().bytes);
    tick();
    EXPECT_EQ(m.Label8.caption(), GetParam().figure);
    EXPECT_EQ(m.feed.Text1.text(), GetParam().kilobits);
    EXPECT_EQ(widget().Label1.caption(), GetParam().kilobits);
    EXPECT_FLOAT_EQ(static_cast<float>(m.feed.PB1.value()), static_cast<float>(GetParam().bar));
    EXPECT_FLOAT_EQ(static_cast<float>(widget().p1.value()), static_cast<float>(GetParam().bar));
}
INSTANTIATE_TEST_SUITE_P(WorkedExamples, SpeedFeedPath,
                         testing::Values(FeedCase{12345, "12.345", "98.76", 98.76},
                                         FeedCase{12500, "12.5", "100", 100},
                                         FeedCase{12600, "12.6", "100.8", 40},  // refused: bar stays
                                         FeedCase{20000, "20", "160", 40},
                                         FeedCase{500, "0.5", "4", 4},
                                         FeedCase{0, "0", "0", 0}));

TEST_F(TrafficTest, UploadTakesTheSamePathAfterTheDownload) {
    auto& m = monitor();
    std::vector<std::string> order;
    widget().Label1.onChange = [&] { order.push_back("download"); };
    widget().Label2.onChange = [&] { order.push_back("upload"); };
    tick();
    order.clear();
    traffic(1000, 12345);
    tick();
    EXPECT_EQ(order, (std::vector<std::string>{"download", "upload"}));
    EXPECT_EQ(m.Label6.caption(), "12.345");
    EXPECT_EQ(m.feed.Text2.text(), "98.76");
    EXPECT_EQ(widget().Label2.caption(), "98.76");
    EXPECT_FLOAT_EQ(static_cast<float>(widget().p2.value()), 98.76f);
    EXPECT_FLOAT_EQ(static_cast<float>(widget().p1.value()), 8.0f);
}

TEST_F(TrafficTest, CommaDecimalLocaleShowsTheWholeFigureOnTheWidget) {
    world.locale.decimal = ",";
    world.locale.thousands = ".";
    world.interfaceTable.rows[1].octetsIn = 1'234'567;
    auto& m = monitor();
    tick();
    EXPECT_EQ(m.lblRecv.tag(), "1.234.567");
    traffic(12345);
    tick();
    EXPECT_EQ(m.Label8.caption(), "12,345");
    EXPECT_EQ(widget().Label1.caption(), "98,76");
    EXPECT_FLOAT_EQ(static_cast<float>(widget().p1.value()), 98.76f);
    EXPECT_EQ(m.lblRecv.caption(), "12345");
    EXPECT_EQ(world.trayIcon.entry->tip, "Bytes received: 1.246.912\r\n Bytes sent: ");
}

TEST_F(TrafficTest, TotalsPastTwoGigabytesKeepCounting) {
    world.interfaceTable.rows[0].octetsIn = 2'100'000'000;
    world.interfaceTable.rows[1].octetsIn = 2'100'000'000;
    auto& m = monitor();
    tick();
    traffic(4000);
    tick();
    EXPECT_EQ(m.Label8.caption(), "4");
    EXPECT_EQ(m.lblRecv.caption(), "4000");
    EXPECT_EQ(world.trayIcon.entry->tip, "Bytes received: 4,200,004,000\r\n Bytes sent: ");
}

TEST_F(TrafficTest, WrappedCounterOrVanishedInterfaceShowsZeroNotANegativeFigure) {
    world.interfaceTable.rows[1].octetsIn = 0xFFFFFF00u;
    world.interfaceTable.rows[0].octetsOut = 50'000;
    world.interfaceTable.rows[1].octetsOut = 1'000;
    auto& m = monitor();
    tick();
    traffic(0x200, 800);  // the received counter wraps to 0x100
    tick();
    EXPECT_EQ(m.Label8.caption(), "0");
    EXPECT_EQ(m.Label6.caption(), "0.8");
    EXPECT_EQ(widget().Label1.caption(), "0");
    traffic(0x400);
    tick();
    EXPECT_EQ(m.Label8.caption(), "1.024");
    world.interfaceTable.rows.erase(world.interfaceTable.rows.begin());  // loopback leaves
    tick();
    EXPECT_EQ(m.Label6.caption(), "0");
    EXPECT_GE(m.incomingHistory().slot(200), 0.0);
    EXPECT_EQ(m.outgoingHistory().slot(200), 0.0);
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

TEST_F(TrafficTest, MissingIpHelperIsReportedOnceAndTheFiguresStayZero) {
    world.interfaceTable.notSupported = true;
    auto& m = monitor();
    for (int i = 0; i < 10; ++i) tick();
    ASSERT_EQ(world.backend.messages.size(), 1u);
    EXPECT_EQ(world.backend.messages[0].text, "IP Helper is not supported by this system.");
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
    EXPECT_EQ(m.MSChart1.data()[3], 1.0);  // slot 4 holds the second tick's figure
    EXPECT_EQ(m.MSChart1.data()[2], 0.0);
    EXPECT_EQ(m.MSChart2.data()[199], 0.05);
}

TEST_F(TrafficTest, RecordTrackerStartsAfterThreeSecondsAndKeepsTheHighestFigure) {
    auto& m = monitor();
    world.backend.advance(2999);
    EXPECT_FALSE(m.Timer3.timerEnabled());
    EXPECT_TRUE(m.Timer5.timerEnabled());
    world.backend.advance(1);
    EXPECT_TRUE(m.Timer3.timerEnabled());
    EXPECT_FALSE(m.Timer5.timerEnabled());
    EXPECT_EQ(m.RecordIncoming.caption(), "");
    // Figures from the tick at 3500 ms on: 7.5 kB incoming, 0.25 kB outgoing.
    traffic(7500, 250);
    world.backend.advance(500);  // 3500: tick
    world.backend.advance(200);  // 3700: first comparison
    EXPECT_EQ(m.RecordIncoming.caption(), "7.5");
    EXPECT_EQ(m.RecordOutgoing.caption(), "0.25");
    // Lower figures never lower the record.
    for (int i = 0; i < 20; ++i) {
        traffic(1000, 100);
        world.backend.advance(500);
    }
    EXPECT_EQ(m.RecordIncoming.caption(), "7.5");
    EXPECT_EQ(m.RecordOutgoing.caption(), "0.25");
    EXPECT_FALSE(m.Timer5.timerEnabled());  // it fired once only
}

TEST_F(TrafficTest, RecordsUseTheUsersDecimalSeparator) {
    world.locale.decimal = ",";
    world.locale.thousands = ".";
    auto& m = monitor();
    world.backend.advance(3000);
    traffic(12345);
    world.backend.advance(700);
    EXPECT_EQ(m.RecordIncoming.caption(), "12,345");
}

TEST_F(TrafficTest, UnloadRemovesTheTrayEntryAndRepeatsAreHarmless) {
    auto& w = window();
    tick();
    EXPECT_TRUE(world.app.unload(w, forms::unload_mode::kAppWindows));
    EXPECT_FALSE(world.trayIcon.entry);
    w.monitor.removeTrayIcon();
    EXPECT_EQ(world.trayIcon.calls.back(), "delete");
}

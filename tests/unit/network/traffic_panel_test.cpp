// The traffic meter and its panel in the network window (loaded, not shown) and the widget it feeds.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <tuple>

#include "fakes/test_world.h"
#include "network/traffic_panel.h"
#include "shell/network_window.h"
#include "shell/registration.h"
#include "shell/widget_window.h"
#include "started_network_window.h"

struct TrafficTest : testing::Test {
    TrafficTest() {
        sparvane::shell::registerForms(world.ctx);
        platform::InterfaceRow lo, eth;
        lo.index = 1;
        lo.type = 24;
        lo.description = "Loopback";
        eth.index = 2;
        eth.hardware = true;
        eth.description = "Ethernet";
        eth.octetsIn = 10'000;  // a machine that has been on line a while
        eth.octetsOut = 1'000;
        world.interfaceTable.rows = {lo, eth};
    }

    sparvane::shell::NetworkWindow& window() { return startedNetworkWindow(world.app); }
    sparvane::network::TrafficPanel& monitor() { return window().traffic(); }
    sparvane::shell::WidgetWindow& widget() { return world.app.form<sparvane::shell::WidgetWindow>(); }
    // One 500 ms tick of the virtual clock (the window must be loaded), coming lateMs late.
    void tick(std::int64_t lateMs = 0) {
        world.clock.stalledMs += lateMs;
        world.backend.advance(500);
    }
    // Bytes that arrive on the Ethernet row before the next tick.
    void traffic(std::uint32_t in, std::uint32_t out = 0) {
        world.interfaceTable.rows[1].octetsIn += in;
        world.interfaceTable.rows[1].octetsOut += out;
    }

    fakes::TestWorld world;
};

TEST_F(TrafficTest, TrayEntryIsAddedOnLoadUpdatedEachTickAndDeletedOnUnload) {
    auto& w = window();
    ASSERT_TRUE(world.trayIcon.entry);
    EXPECT_EQ(world.trayIcon.entry->window, w.hWnd());
    EXPECT_EQ(world.trayIcon.entry->flags, 0x87u);  // message, icon, tip, and the tip shown as the tooltip
    EXPECT_TRUE(world.trayIcon.version4);
    EXPECT_TRUE(world.trayIcon.entry->programIcon);
    EXPECT_EQ(world.trayIcon.entry->tip, "Bytes received: \r\n Bytes sent: ");
    EXPECT_EQ(world.interfaceTable.calls, 0);  // no reading before the first tick
    // The window is a few pixels wide; none of the controls (the monitor's, the panel's) may show in it.
    for (const auto& c : w.controls()) {
        if (!c->container() && c->type() != forms::ControlType::Timer) {
            EXPECT_TRUE(c->leftTwips() >= 495 || c->topTwips() >= 210) << c->qualifiedName();
        }
    }
    tick();
    EXPECT_TRUE(world.app.unload(w, forms::unload_mode::kAppWindows));
    EXPECT_FALSE(world.trayIcon.entry);
    // QueryUnload, Unload and Terminate each take the entry away; the repeats are harmless.
    EXPECT_EQ(world.trayIcon.calls,
              (std::vector<std::string>{"add", "version", "modify", "delete", "delete", "delete"}));
}

namespace {

using Change = std::function<void(fakes::FakeInterfaceTable&)>;

platform::InterfaceRow& ifRow(fakes::FakeInterfaceTable& t, std::uint32_t index) {
    for (auto& r : t.rows)
        if (r.index == index) return r;
    throw std::logic_error("no interface " + std::to_string(index));
}
// Interface 1 is the loopback row, 2 the Ethernet row; 3 is a wireless row some cases add.
platform::InterfaceRow wireless(std::uint32_t octetsIn) {
    platform::InterfaceRow r;
    r.index = 3;
    r.type = 71;
    r.hardware = true;
    r.octetsIn = octetsIn;
    r.unicastIn = 50;
    return r;
}
Change bytesIn(std::uint32_t index, std::uint32_t in, std::uint32_t out = 0) {
    return [=](fakes::FakeInterfaceTable& t) {
        ifRow(t, index).octetsIn += in;  // the old table cuts the counters to 32 bits
        ifRow(t, index).octetsOut += out;
    };
}
Change both(const Change& a, const Change& b) {
    return [=](fakes::FakeInterfaceTable& t) { a(t), b(t); };
}

struct Step {
    Change change;         // what the table does before the tick
    std::int64_t lateMs;   // how late the tick comes (negative: early)
    const char* incoming;  // the panel's incoming figure after it
};
struct Scenario {
    const char* label;
    Change start;  // the table at the first tick (null: the fixture's)
    std::vector<Step> steps;
    const char *download, *upload;  // the widget's downloadFigure and uploadFigure after the last step
    double downloadBar, uploadBar;  // the panel's and the widget's bars
    const char *received, *sent;    // bytes since the first tick
    const char* tip;
};

// Every figure below is worked out by hand from the bytes the steps add: kilobytes per
// second = bytes / elapsed ms (500 for an on-time tick), and x 8 on the widget. The
// fixture's Ethernet row starts at 10,000 in and 1,000 out.
// clang-format off
const Change kLegacyTable = [](auto& t) { t.extended = false; };
const Scenario kScenarios[] = {
    // The totals at the first tick are its baseline, not traffic of that tick.
    {"FirstTickIsTheBaseline",
     [](auto& t) { ifRow(t, 2).octetsIn = 1'234'567, ifRow(t, 2).octetsOut = 2'000; }, {},
     "0", "0", 0, 0, "r", "s", "Bytes received: 1,234,567\r\n Bytes sent: 2,000"},
    // 1,000,000 bytes a second read 1000 kB/s and 8000 on the widget, whether the tick comes
    // on time, 500 ms late or 250 ms early. Bytes since the start are shown ungrouped;
    // nothing sent since a start at 0 shows as 0.
    {"WorkedExampleAtOnTimeLateAndEarlyTicks",
     [](auto& t) { ifRow(t, 2).octetsIn = 1'234'567, ifRow(t, 2).octetsOut = 0; },
     {{bytesIn(2, 100'000), 0, "200"}, {bytesIn(2, 500'000), 0, "1000"}, {bytesIn(2, 1'000'000), 500, "1000"},
      {bytesIn(2, 250'000), -250, "1000"}, {bytesIn(2, 6'000), 0, "12"}},
     "96", "0", 96, 0, "1856000", "0", "Bytes received: 3,090,567\r\n Bytes sent: "},
    {"Upload", nullptr, {{bytesIn(2, 1'000, 6'000), 0, "2"}},
     "16", "96", 16, 96, "1000", "6000", "Bytes received: 11,000\r\n Bytes sent: 7,000"},
    // The old table: Ethernet wraps (4,294,963,200 + 8192 -> 4096) while the wireless row
    // moves 4000: 12,192 bytes. The total goes on past 4 GiB: 4,294,963,200 + 1,000 + 12,192.
    {"WrapOnOneInterfaceWhileAnotherMoves",
     [](auto& t) { kLegacyTable(t), ifRow(t, 2).octetsIn = 0xFFFFF000u, t.rows.push_back(wireless(1'000)); },
     {{both(bytesIn(2, 0x2000), bytesIn(3, 4'000)), 0, "24.384"}},
     "195.072", "0", 100, 0, "12192", "0", "Bytes received: 4,294,976,392\r\n Bytes sent: 1,000"},
    // The old table: new, gone, back with fresh counters, restarted (a packet counter fell),
    // status changed: each counts nothing for that tick. Counted: 2000 + 1500 + 3000 + 700 + 250.
    {"InterfacesComeGoAndRestart", kLegacyTable,
     {{[](auto& t) { t.rows.push_back(wireless(50'000)), ifRow(t, 2).octetsIn += 2'000; }, 0, "4"},
      {[](auto& t) { ifRow(t, 3).octetsIn += 1'000, ifRow(t, 3).unicastIn += 1, ifRow(t, 2).octetsIn += 500; }, 0,
       "3"},
      {[](auto& t) { t.rows.erase(t.rows.begin() + 1), ifRow(t, 3).octetsIn += 3'000; }, 0, "6"},
      {[](auto& t) {
           platform::InterfaceRow eth;
           eth.index = 2;
           eth.octetsIn = 10;
           t.rows.push_back(eth);
       },
       0, "0"},
      {[](auto& t) { ifRow(t, 3).octetsIn = 100, ifRow(t, 3).unicastIn = 1, ifRow(t, 2).octetsIn += 700; }, 0, "1.4"},
      {[](auto& t) { ifRow(t, 3).lastChange = 99, ifRow(t, 3).octetsIn += 4'000; }, 0, "0"},
      {bytesIn(3, 250), 0, "0.5"}},
     "4", "0", 4, 0, "7450", "0", "Bytes received: 17,450\r\n Bytes sent: 1,000"},
    // Two rows with one index are paired in table order: 1000 + 2000 bytes.
    {"RowsSharingAnIndexPairInTableOrder",
     [](auto& t) {
         t.rows.push_back(t.rows[1]);
         t.rows[2].octetsIn = 500'000;
     },
     {{[](auto& t) { t.rows[1].octetsIn += 1'000, t.rows[2].octetsIn += 2'000; }, 0, "6"}},
     "48", "0", 48, 0, "3000", "0", "Bytes received: 513,000\r\n Bytes sent: 2,000"},
    // A reading of all zeros is left out (the tick shows 0); the next one counts the 3000
    // bytes since the tick before it, 1000 ms earlier.
    {"ZeroTotalReadingKeepsThePreviousOne", [](auto& t) { ifRow(t, 2).octetsIn = 5'000'000; },
     {{[](auto& t) { ifRow(t, 2).octetsIn = 0, ifRow(t, 2).octetsOut = 0; }, 0, "0"},
      {[](auto& t) { ifRow(t, 2).octetsIn = 5'003'000, ifRow(t, 2).octetsOut = 1'000; }, 0, "3"}},
     "24", "0", 24, 0, "3000", "0", "Bytes received: 5,003,000\r\n Bytes sent: 1,000"},
    // A failed reading counts nothing; the next good one has 2000 bytes over 1000 ms.
    {"FailedReadingCountsNothing", nullptr,
     {{both([](auto& t) { t.fillResult = 31; }, bytesIn(2, 1'000)), 0, "0"},
      {both([](auto& t) { t.fillResult = 0; }, bytesIn(2, 1'000)), 0, "2"},
      {bytesIn(2, 1'000), 0, "2"}},
     "16", "0", 16, 0, "3000", "0", "Bytes received: 13,000\r\n Bytes sent: 1,000"},
    // 6 kB over 1500 ms, 3 kB over 500 and over 750, 1.5 kB over 250, 7.6 kB over 760; a
    // tick 40 ms after the one before cannot measure and keeps the figure.
    {"EveryTickShowsTheRateOfItsOwnInterval", nullptr,
     {{bytesIn(2, 6'000), 1'000, "4"}, {bytesIn(2, 3'000), 0, "6"}, {bytesIn(2, 3'000), 250, "4"},
      {bytesIn(2, 1'500), -250, "6"}, {bytesIn(2, 7'600), 260, "10"}, {bytesIn(2, 100), -460, "10"}},
     "80", "0", 80, 0, "21200", "0", "Bytes received: 31,200\r\n Bytes sent: 1,000"},
    // Two rows move 4,000,000,000 bytes each in one tick: the count since the start goes
    // past 4 GiB.
    {"CountSinceStartPasses4GiB", [](auto& t) { t.rows.push_back(wireless(1'000)); },
     {{both(bytesIn(2, 4'000'000'000u), bytesIn(3, 4'000'000'000u)), 0, "16000000"}},
     "128000000", "0", 100, 0, "8000000000", "0", "Bytes received: 8,000,011,000\r\n Bytes sent: 1,000"},
};
// clang-format on

void PrintTo(const Scenario& c, std::ostream* os) { *os << c.label; }

}  // namespace

class TrafficScenario : public TrafficTest, public testing::WithParamInterface<Scenario> {};
TEST_P(TrafficScenario, ShowsEachTicksFiguresOnTheWidgetAndTotalsThatNeverFall) {
    const Scenario& c = GetParam();
    if (c.start) c.start(world.interfaceTable);
    auto& m = monitor();
    tick();
    EXPECT_EQ(m.incomingFigure.caption(), "0");
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        c.steps[i].change(world.interfaceTable);
        tick(c.steps[i].lateMs);
        EXPECT_EQ(m.incomingFigure.caption(), c.steps[i].incoming) << "after step " << i + 1;
    }
    EXPECT_EQ(widget().downloadFigure.caption(), c.download);
    EXPECT_EQ(widget().uploadFigure.caption(), c.upload);
    EXPECT_FLOAT_EQ(static_cast<float>(m.incomingBar.value()), static_cast<float>(c.downloadBar));
    EXPECT_FLOAT_EQ(static_cast<float>(widget().downloadBar.value()), static_cast<float>(c.downloadBar));
    EXPECT_FLOAT_EQ(static_cast<float>(m.outgoingBar.value()), static_cast<float>(c.uploadBar));
    EXPECT_FLOAT_EQ(static_cast<float>(widget().uploadBar.value()), static_cast<float>(c.uploadBar));
    EXPECT_EQ(m.receivedLabel.caption(), c.received);
    EXPECT_EQ(m.sentLabel.caption(), c.sent);
    EXPECT_EQ(world.trayIcon.entry->tip, c.tip);
}
INSTANTIATE_TEST_SUITE_P(Ticks, TrafficScenario, testing::ValuesIn(kScenarios),
                         [](const auto& testCase) { return std::string(testCase.param.label); });

TEST_F(TrafficTest, CommaDecimalLocaleShowsTheWholeFigureOnTheWidgetAndInTheRecord) {
    world.locale.decimal = ",";
    world.locale.thousands = ".";
    world.interfaceTable.rows[1].octetsIn = 1'234'567;
    auto& m = monitor();
    world.backend.advance(3000);  // six ticks, the first the baseline; the tracker starts
    traffic(6'172);
    tick();
    EXPECT_EQ(m.incomingFigure.caption(), "12,344");
    EXPECT_EQ(widget().downloadFigure.caption(), "98,752");
    EXPECT_EQ(widget().downloadFigure.shownText(), "98,8");
    EXPECT_EQ(m.incomingKilobits.text(), "98,752");
    EXPECT_FLOAT_EQ(static_cast<float>(widget().downloadBar.value()), 98.752f);
    EXPECT_EQ(m.receivedLabel.caption(), "6172");
    EXPECT_EQ(world.trayIcon.entry->tip, "Bytes received: 1.240.739\r\n Bytes sent: 1.000");
    world.backend.advance(200);  // the tracker's first comparison
    EXPECT_EQ(m.incomingRecord.caption(), "12,344");
}

TEST_F(TrafficTest, MissingIpHelperIsReportedOncePerRunAndTheFiguresStayZero) {
    world.interfaceTable.notSupported = true;
    auto& m = monitor();
    for (int i = 0; i < 10; ++i) tick();
    ASSERT_EQ(world.backend.messages.size(), 1u);
    EXPECT_EQ(world.backend.messages[0].text, "IP Helper is not supported by this system.");
    EXPECT_EQ(world.backend.messages[0].title, "Sparvane");
    EXPECT_EQ(m.incomingFigure.caption(), "0");
    EXPECT_EQ(widget().downloadFigure.caption(), "0");
}

TEST_F(TrafficTest, ChartsAreGivenTheHistoriesEveryTick) {
    auto& m = monitor();
    tick();
    for (std::uint32_t k = 1; k <= 5; ++k) {
        traffic(k * 1000, k * 10);
        tick();
    }
    EXPECT_EQ(m.incomingChart.data()[199], 10.0);  // kB/s: 5000 bytes in 500 ms
    EXPECT_EQ(m.outgoingChart.data()[199], 0.1);
}

TEST_F(TrafficTest, RecordTrackerStartsAfterThreeSecondsAndKeepsOnlyAHigherFigure) {
    auto& m = monitor();
    tick();         // 500: the baseline
    traffic(9000);  // shown from the 1000 tick on, before the tracker starts: never sampled
    world.backend.advance(2499);
    EXPECT_FALSE(m.recordTimer.timerEnabled());
    world.backend.advance(701);                 // 3700: first comparison, of the 3500 tick's figure 0
    EXPECT_EQ(m.incomingRecord.caption(), "");  // 0 is not above the starting record
    traffic(7500, 250);
    world.backend.advance(700);  // 4400: compares the 4000 tick's figures
    EXPECT_EQ(m.incomingRecord.caption(), "15");
    EXPECT_EQ(m.outgoingRecord.caption(), "0.5");
    for (int i = 0; i < 20; ++i) {
        traffic(1000, 100);
        world.backend.advance(500);
    }
    EXPECT_EQ(m.incomingRecord.caption(), "15");  // lower figures never lower it
    EXPECT_EQ(m.outgoingRecord.caption(), "0.5");
    EXPECT_FALSE(m.recordStartTimer.timerEnabled());  // it fired once only
}

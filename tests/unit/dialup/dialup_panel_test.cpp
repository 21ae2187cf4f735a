#include "dialup/dialup_panel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "cleaning/clean_up_window.h"
#include "dialup/dialup_window.h"
#include "fakes/test_world.h"
#include "shell/registration.h"

namespace {

using sparvane::dialup::DialupPanel;
using sparvane::dialup::DialupWindow;

std::string log(const std::vector<const char*>& lines) {
    std::string text = "Class initialized.\r\n";
    for (const char* l : lines) text += std::string(l) + "\r\n";
    return text;
}

struct PanelTest : ::testing::Test {
    fakes::TestWorld world;

    // The panel in the program's own dial-up window (loaded, not shown), which prepares it
    // when it loads; the buttons open the program's windows.
    PanelTest() { sparvane::shell::registerForms(world.ctx); }
    DialupWindow& window() { return world.app.form<DialupWindow>(); }
    DialupPanel& panel() { return window().panel(); }
    std::string status() { return panel().statusLog.text(); }
    // Lists `entries`, selects `chosen` and clicks Connect.
    void connect(std::vector<std::string> entries, const std::string& chosen) {
        world.dialup.entries = std::move(entries);
        auto& list = panel().entryList;
        for (int i = 0; i < list.listCount(); ++i)
            if (list.list(i) == chosen) list.setListIndex(i);
        panel().connectButton.setValue(true);
    }
};

// A case: entries in the phone book; whether the system fills what fits when the buffer is
// too small (systems differ) or writes nothing; entries listed; the log's second line, if any.
using Listing = std::tuple<std::string, int, bool, int, std::string>;
struct ListingTest : PanelTest, ::testing::WithParamInterface<Listing> {};

TEST_P(ListingTest, ListsUpTo256EntriesInOrderAndCountsTheRestInTheLog) {
    const auto& [name, entries, fillWhenTooSmall, listed, extraLine] = GetParam();
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i) names.push_back(i == 1 ? std::string(256, 'x') : "Entry " + std::to_string(i));
    world.dialup.entries = names;
    world.dialup.fillWhenTooSmall = fillWhenTooSmall;
    names.resize(static_cast<std::size_t>(listed));
    EXPECT_EQ(panel().entryList.items(), names);
    EXPECT_EQ(panel().entryList.listIndex(), -1);
    EXPECT_EQ(status(), extraLine.empty() ? log({}) : log({extraLine.c_str()}));
}

INSTANTIATE_TEST_SUITE_P(
    PhoneBooks, ListingTest,
    ::testing::Values(Listing{"Three", 3, true, 3, ""},  // an empty phone book: 60_dialup
                      Listing{"MoreThanFitFilled", 300, true, 256, "44 more dial-up entries were not listed."},
                      Listing{"MoreThanFitUnwritten", 300, false, 0, "300 more dial-up entries were not listed."}),
    [](const auto& testCase) { return std::string(std::get<0>(testCase.param)); });

struct Scenario {
    const char* label;
    std::uint32_t dialResult, hangUpResult, remoteConnection;
    const char* clicks;  // C: Connect, D: Disconnect
    std::vector<const char*> logLines;
    const char* statusLabel;
    std::size_t dials;
    friend void PrintTo(const Scenario& c, std::ostream* os) { *os << c.label; }
};
struct ScenarioTest : PanelTest, ::testing::WithParamInterface<Scenario> {};

TEST_P(ScenarioTest, LogsEachClickInOrder) {
    const Scenario& c = GetParam();
    world.dialup.dialResult = c.dialResult;
    world.dialup.hangUpResult = c.hangUpResult;
    world.registry.keys[sparvane::dialup::kRemoteAccessKey][sparvane::dialup::kRemoteConnectionValue] =
        c.remoteConnection;
    connect({"Home", "ISP"}, "ISP");
    ASSERT_FALSE(world.dialup.dialCalls.empty());
    EXPECT_EQ(world.dialup.dialCalls[0].entry, "ISP");
    EXPECT_EQ(world.dialup.dialCalls[0].owner, window().hWnd());
    EXPECT_EQ(world.dialup.dialCalls[0].flags, 2u);  // unattended
    for (const char* k = c.clicks + 1; *k; ++k)
        (*k == 'C' ? panel().connectButton : panel().disconnectButton).setValue(true);
    EXPECT_EQ(status(), log(c.logLines));
    EXPECT_EQ(panel().stateLabel.caption(), c.statusLabel);
    EXPECT_EQ(world.dialup.dialCalls.size(), c.dials);
    // The log keeps its caret at the end so the newest line is in view.
    EXPECT_EQ(panel().statusLog.selStart(), status().size());
}

const char* kMade[] = {"Connection made event fired.", "Connection to ISP made."};
const char* kClosed = "Connection closed event fired.";
const char* kNone = "No connection made yet.";
const char* kReady = "Ready to connect";
const char* kDisconnected = "You are Disconnected From the Internet.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Clicks, ScenarioTest,
    ::testing::Values(
        Scenario{"Failed623NoEvent", 623, 0, 0, "C", {"Error 623 attempting to connect to ISP"}, kReady, 1},
        // Remote Access up alone does not refuse; with our own connection as well it does.
        Scenario{"AlreadyConnected", 0, 0, 1, "CC", {kMade[0], kMade[1], "Already connected."}, kReady, 1},
        Scenario{"HangUpTwice", 0, 0, 0, "CDD", {kMade[0], kMade[1], kClosed, "Connection terminated.", kNone},
                 kDisconnected, 1},
        // A failed hang-up still raises the event and forgets the connection.
        Scenario{"FailedHangUp", 0, 668, 0, "CDD",
                 {kMade[0], kMade[1], kClosed, "Unable to terminate connection, error: 668", kNone}, kReady, 1}),
    [](const auto& testCase) { return std::string(testCase.param.label); });
// clang-format on

TEST_F(PanelTest, SettingsAndConnectToInternetOpenTheCleanUpWindows) {
    panel().settingsButton.setValue(true);
    panel().settingsButton.setValue(true);
    int instances = 0;
    for (auto* f : world.app.forms()) instances += f->name() == "Form2";
    EXPECT_EQ(instances, 1);
    EXPECT_EQ(world.backend.broughtToFront, (std::vector<std::string>{"Form2", "Form2"}));
    panel().connectToInternetButton.setValue(true);
    auto* cleanUp = world.app.loadedForm<sparvane::cleaning::CleanUpWindow>();
    ASSERT_NE(cleanUp, nullptr);
    EXPECT_TRUE(cleanUp->visible());
}

}  // namespace

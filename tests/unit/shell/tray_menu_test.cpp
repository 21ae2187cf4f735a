// What the notification-area icon does in the started program: a click or Enter brings the
// widget forward, the menu's entries each do what they say, a dismissed menu does nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/network_window.h"
#include "shell/tray_menu.h"
#include "widget_fixture.h"

namespace {

namespace command = sparvane::shell::tray_command;
using sparvane::shell::NetworkWindow;

class TrayMenuTest : public WidgetTest {
protected:
    TrayMenuTest() { start(); }
    NetworkWindow& iconOwner() { return *world.app.loadedForm<NetworkWindow>(); }
    // A right click on the icon, the user picking `choice` (0: clicking elsewhere).
    void pick(int choice) {
        world.backend.menuChoices.push_back(choice);
        iconOwner().trayIconUsed(forms::TrayIconEvent::ContextMenu, 1590, 880);
    }
};

class TrayIconSelect : public TrayMenuTest, public testing::WithParamInterface<forms::TrayIconEvent> {};

TEST_P(TrayIconSelect, BringsTheWidgetInFrontAsTheForegroundWindow) {
    iconOwner().trayIconUsed(GetParam(), 1590, 880);
    EXPECT_EQ(world.backend.foreground, std::vector<std::string>{"Form1"});
    EXPECT_TRUE(widget().visible());
    EXPECT_TRUE(world.backend.menusShown.empty());
}

INSTANTIATE_TEST_SUITE_P(Tray, TrayIconSelect,
                         testing::Values(forms::TrayIconEvent::Select, forms::TrayIconEvent::KeySelect),
                         [](const testing::TestParamInfo<forms::TrayIconEvent>& param) {
                             return param.param == forms::TrayIconEvent::Select ? "Click" : "EnterOnTheIcon";
                         });

TEST_F(TrayMenuTest, TheMenuOffersTheProgramsWindowsThenASeparatorAndExit) {
    pick(0);
    ASSERT_EQ(world.backend.menusShown.size(), 1u);
    std::vector<std::string> texts;
    for (const forms::MenuEntry& e : world.backend.menusShown[0]) texts.push_back(e.command == 0 ? "-" : e.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Show widget", "Traffic...", "Dial-up...", "About", "-", "Exit"}));
    EXPECT_TRUE(world.backend.menusShown[0][0].isDefault);
}

TEST_F(TrayMenuTest, ClickingElsewhereClosesTheMenuAndDoesNothing) {
    const auto log = world.backend.windowLog;
    pick(0);
    EXPECT_TRUE(world.backend.foreground.empty());
    EXPECT_TRUE(world.backend.messages.empty());
    EXPECT_FALSE(world.backend.processEnded);
    EXPECT_EQ(world.backend.windowLog, log);
}

TEST_F(TrayMenuTest, ShowWidgetBringsTheWidgetForward) {
    pick(command::kShowWidget);
    EXPECT_EQ(world.backend.foreground, std::vector<std::string>{"Form1"});
}

struct WindowEntry {
    const char* name;
    int command;
    const char* form;
};
class TrayMenuWindows : public TrayMenuTest, public testing::WithParamInterface<WindowEntry> {};

// Neither window exists before its entry is picked; then it is on screen in front.
TEST_P(TrayMenuWindows, TheEntryOpensItsWindowInFront) {
    const auto& log = world.backend.windowLog;
    EXPECT_EQ(std::count(log.begin(), log.end(), std::string("create:") + GetParam().form), 0);
    pick(GetParam().command);
    EXPECT_EQ(std::count(log.begin(), log.end(), std::string("show:") + GetParam().form), 1);
    EXPECT_EQ(world.backend.foreground, std::vector<std::string>{GetParam().form});
}

INSTANTIATE_TEST_SUITE_P(Tray, TrayMenuWindows,
                         testing::Values(WindowEntry{"Traffic", command::kTraffic, "frmTraffic"},
                                         WindowEntry{"Dialup", command::kDialup, "frmDialup"}),
                         [](const testing::TestParamInfo<WindowEntry>& param) { return param.param.name; });

TEST_F(TrayMenuTest, AboutShowsTheProgramsAboutBox) {
    pick(command::kAbout);
    ASSERT_EQ(world.backend.messages.size(), 1u);
    EXPECT_EQ(world.backend.messages[0].text.rfind("Sparvane ", 0), 0u);
}

TEST_F(TrayMenuTest, ExitEndsTheProgramWithStatusZeroAndTakesTheIconAway) {
    ASSERT_TRUE(world.trayIcon.entry);
    pick(command::kExit);
    EXPECT_TRUE(world.backend.processEnded);
    EXPECT_EQ(world.backend.exitStatus, 0);
    EXPECT_FALSE(world.trayIcon.entry);
}

}  // namespace

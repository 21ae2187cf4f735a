// NetworkWindow, the hidden network window, as the program starts it: loaded, it hands over to
// the widget without coming on screen; a session end unloads it first (a timer stops with its
// unloaded form: the Runtime suite). The monitor it carries is tested inside it by the network
// suite; that start-up leaves dial-up alone, by the dialup suite.
#include <gtest/gtest.h>

#include <string>

#include "cleaning/recent_folder_window.h"
#include "shell/network_window.h"
#include "widget_fixture.h"

namespace {

using sparvane::cleaning::RecentFolderWindow;
using sparvane::shell::NetworkWindow;

class StartUp : public WidgetTest {};

TEST_F(StartUp, TheNetworkWindowHandsOverToTheWidgetWhichAloneStaysOnScreen) {
    start();
    // The network window is loaded and hands over without ever being shown; the Recent-folder window is shown, then
    // hides itself; WidgetWindow is shown last.
    const long form3Created = logIndex("create:Form3");
    const long form2Shown = logIndex("show:Form2"), form2Hidden = logIndex("hide:Form2");
    const long form1Created = logIndex("create:Form1");
    ASSERT_GE(form3Created, 0);
    EXPECT_EQ(logIndex("show:Form3"), -1);
    EXPECT_LT(form3Created, form2Shown);
    EXPECT_LT(form2Shown, form2Hidden);
    EXPECT_LT(form2Hidden, form1Created);
    EXPECT_EQ(world.backend.windowLog.back(), "show:Form1");
    EXPECT_FALSE(world.app.loadedForm<NetworkWindow>()->visible());
    EXPECT_FALSE(world.app.loadedForm<RecentFolderWindow>()->visible());
    EXPECT_EQ(world.app.activeForm(), &widget());
}

// The tray icon going with the network window's unload: TrafficTest, and 51_screen_guard_and_logoff under Wine.
TEST_F(StartUp, SessionEndUnloadsEveryWindowInLoadOrder) {
    start();
    world.app.endSession();
    EXPECT_FALSE(world.backend.processEnded) << "the system ends the process, not the program";
    EXPECT_TRUE(world.app.forms().empty());
    EXPECT_EQ(world.backend.liveWindowCount(), 0u);
    const long form3 = logIndex("destroy:Form3"), form2 = logIndex("destroy:Form2"), form1 = logIndex("destroy:Form1");
    ASSERT_GE(form3, 0);
    EXPECT_LT(form3, form2);
    EXPECT_LT(form2, form1);
}

}  // namespace

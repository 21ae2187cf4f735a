#include <gtest/gtest.h>

#include <string>

#include "shell/form3.h"
#include "widget_fixture.h"

namespace {

using sparvane::shell::Form1;

// ---- Layout ---------------------------------------------------------------------------

struct Placement {
    const char* control;
    double left, top, width, height;
    const char* tip;
};

class WidgetLayout : public WidgetTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(WidgetLayout, EveryControlSitsWhereItWasDesigned) {
    start(1920, 1080);  // wide enough for the designed column
    const Placement& p = GetParam();
    const forms::Control* c = widget().findControl(p.control);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->leftTwips(), p.left);
    EXPECT_EQ(c->topTwips(), p.top);
    EXPECT_EQ(c->widthTwips(), p.width);
    EXPECT_EQ(c->heightTwips(), p.height);
    EXPECT_EQ(c->toolTip(), p.tip);
    EXPECT_EQ(c->container(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Column, WidgetLayout,
    ::testing::Values(Placement{"Shape1", 17760, 120, 1095, 4335, ""}, Placement{"Label3", 17880, 240, 180, 195, ""},
                      Placement{"Command63", 17880, 480, 855, 375, "Click to Clean Junk Fles "},
                      Placement{"Command3", 17880, 840, 855, 375, "Screen Guard"},
                      Placement{"Command8", 17880, 1200, 855, 375, "Click to Shutdown "},
                      Placement{"Command6", 17880, 1560, 855, 375, "Click to Restart"},
                      Placement{"Command7", 17880, 1920, 855, 375, "Click to Logoff"},
                      Placement{"Image2", 17880, 2400, 240, 240, "KBps"},
                      Placement{"Label1", 18120, 2400, 270, 195, "Internet Download Speed"},
                      Placement{"p1", 17880, 2640, 855, 135, ""}, Placement{"Image1", 17880, 2880, 240, 240, "KBps"},
                      Placement{"Label2", 18120, 2880, 270, 195, "Internet Upload Speed"},
                      Placement{"p2", 17880, 3120, 855, 135, ""},
                      Placement{"Picture1", 17880, 3360, 375, 135, "Click to run widget on windows startup"},
                      Placement{"Picture2", 18360, 3360, 375, 135, "Click to stop running on windows startup"},
                      Placement{"Command2", 17880, 3600, 855, 375, "About"},
                      Placement{"Command1", 17880, 3960, 855, 375, "Close Widget"}),
    [](const auto& info) { return std::string(info.param.control); });

TEST_F(WidgetTest, DesignedContentAndLook) {
    start();
    Form1& w = widget();
    EXPECT_EQ(w.caption(), "Form1");
    EXPECT_EQ(w.windowState(), forms::WindowState::Maximized);
    EXPECT_EQ(w.backColor(), forms::kSystemButtonFace);
    EXPECT_TRUE(w.hasIcon());
    EXPECT_EQ(w.Shape1.borderColor(), 32768u);
    EXPECT_EQ(w.Label3.caption(), "00");
    for (forms::Label* figure : {&w.Label1, &w.Label2}) {
        EXPECT_EQ(figure->caption(), "000");
        EXPECT_EQ(figure->font(), (forms::Font{"Tahoma", 8.25, false, false}));
    }
    for (forms::ProgressBar* bar : {&w.p1, &w.p2}) {
        EXPECT_EQ(bar->min(), 0);
        EXPECT_EQ(bar->max(), 100);
    }
    EXPECT_EQ(w.Picture1.backColor(), 0x00004000u);
    EXPECT_EQ(w.Picture2.backColor(), 0x00000080u);
    for (forms::CommandButton* b : {&w.Command63, &w.Command3, &w.Command8, &w.Command6, &w.Command7, &w.Command2,
                                    &w.Command1}) {
        EXPECT_TRUE(b->graphical()) << b->name();
        EXPECT_NE(b->picture(), forms::Picture::None) << b->name();
        EXPECT_EQ(b->backColor(), forms::rgb(255, 255, 255)) << b->name();
        EXPECT_TRUE(b->handCursor()) << b->name();
        EXPECT_EQ(b->caption(), "") << b->name();
    }
    EXPECT_EQ(w.Image2.picture(), forms::Picture::ArrowDown);
    EXPECT_EQ(w.Image1.picture(), forms::Picture::ArrowUp);
    EXPECT_EQ(w.Timer1.interval(), 1000);
    EXPECT_TRUE(w.Timer1.running());
}

// ---- Region and screen width -------------------------------------------------------------

TEST_F(WidgetTest, TheWindowIsCutDownToTheColumn) {
    start(1600, 900);
    const platform::RegionPlan& plan = widgetRegion();
    EXPECT_EQ(plan.outer, plan.inner) << "the widget has no frame to keep";
    EXPECT_EQ(plan.added.size(), 17u) << "every drawn control, not the timer";
    // Shape1 at 17760, 120 twips, 1095 x 4335: 1184, 8 to 1257, 297 pixels.
    EXPECT_EQ(boundingBox(plan), (forms::PixelRect{1184, 8, 1257, 297}));
    EXPECT_EQ(widget().scaleMode(), forms::ScaleMode::Pixels);
}

TEST_F(WidgetTest, OnANarrowScreenTheWholeColumnMovesLeftToTheScreensEdge) {
    start(1024, 768);
    Form1& w = widget();
    const forms::PixelRect box = boundingBox(widgetRegion());
    EXPECT_EQ(box.right, 1024);
    EXPECT_EQ(box.right - box.left, 73) << "the column keeps its width";
    EXPECT_EQ(box.top, 8);
    // The column moved as one: the designed distances between controls stay.
    EXPECT_DOUBLE_EQ(w.Picture2.leftTwips() - w.Picture1.leftTwips(), 480);
    EXPECT_DOUBLE_EQ(w.Label1.leftTwips() - w.Image2.leftTwips(), 240);
    EXPECT_DOUBLE_EQ(w.Shape1.leftTwips() + w.Shape1.widthTwips(), 1024 * 15);
}

TEST_F(WidgetTest, OnAScreenExactlyAsWideAsTheColumnNothingMoves) {
    start(1257, 900);
    EXPECT_DOUBLE_EQ(widget().Shape1.leftTwips(), 17760 - (18855 - 1257 * 15));
    EXPECT_EQ(boundingBox(widgetRegion()).right, 1257);
}

TEST_F(WidgetTest, AMovedControlShowsOnlyAfterTheNextResize) {
    start();
    Form1& w = widget();
    const forms::PixelRect before = widgetRegion().added.back();
    w.Command1.setTop(500);  // pixels
    EXPECT_EQ(widgetRegion().added.back(), before);
    w.setWindowState(forms::WindowState::Minimized);
    EXPECT_EQ(widgetRegion().added.back(), before);
    w.setWindowState(forms::WindowState::Maximized);  // restored: Resize rebuilds the region
    EXPECT_EQ(widgetRegion().added.back().top, 500);
}

TEST_F(WidgetTest, MinimizingLeavesTheRegionAsItWas) {
    start();
    const platform::RegionPlan before = widgetRegion();
    widget().setWindowState(forms::WindowState::Minimized);
    EXPECT_EQ(world.windows.windows[widget().hWnd()].regionsSet, 1);
    EXPECT_EQ(widgetRegion().added, before.added);
}

// ---- Activity clock ----------------------------------------------------------------------

TEST_F(WidgetTest, TheFirstTickAlwaysWritesTheClockEvenBeforeAnyInput) {
    world.lastInput.tick = 0;  // the system has seen no input yet
    world.clock.timeText = "09:15:00";
    start();
    world.backend.advance(1000);
    EXPECT_EQ(widget().Label3.caption(), "09:15:00");
}

TEST_F(WidgetTest, TheClockKeepsItsTimeUntilTheNextInput) {
    world.lastInput.tick = 5000;
    world.clock.timeText = "09:15:00";
    start();
    world.backend.advance(1000);
    int changes = 0;
    widget().Label3.onChange = [&] { ++changes; };
    world.clock.timeText = "09:45:00";
    world.backend.advance(60'000);
    EXPECT_EQ(widget().Label3.caption(), "09:15:00");
    EXPECT_EQ(changes, 0);
    world.lastInput.tick = 65'000;  // the mouse moved
    world.clock.timeText = "09:46:01";
    world.backend.advance(1000);
    EXPECT_EQ(widget().Label3.caption(), "09:46:01");
    EXPECT_EQ(changes, 1);
}

TEST_F(WidgetTest, AFailedLastInputQueryWritesNothing) {
    world.lastInput.tick.reset();
    start();
    world.backend.advance(3000);
    EXPECT_EQ(widget().Label3.caption(), "00");
    EXPECT_GE(world.lastInput.queries, 3);
}

// ---- Buttons -----------------------------------------------------------------------------

TEST_F(WidgetTest, AboutShowsAnInformationBoxWithTheProductsDetails) {
    start();
    widget().Command2.userClick();
    ASSERT_EQ(world.backend.messages.size(), 1u);
    const fakes::ShownMessage& m = world.backend.messages[0];
    EXPECT_EQ(m.style, forms::msgbox::kInformation | forms::msgbox::kOkOnly);
    EXPECT_EQ(m.title, "Sparvane");
    for (const char* part : {"Sparvane", "Sparvane team", "@sparvane.example", "Sparvane Professional",
                             "https://www.sparvane.example"})
        EXPECT_NE(m.text.find(part), std::string::npos) << part;
}

TEST_F(WidgetTest, CloseWidgetEndsAtOnceWithStatusZeroAndTakesTheTrayIconAway) {
    start();
    const auto loaded = world.app.forms().size();
    const bool iconWasShown = world.trayIcon.entry.has_value();
    widget().Command1.userClick();
    EXPECT_TRUE(world.backend.processEnded);
    EXPECT_EQ(world.backend.exitStatus, 0);
    EXPECT_FALSE(world.trayIcon.entry.has_value());
    ASSERT_TRUE(iconWasShown) << "the network window registers its icon at start-up";
    EXPECT_EQ(world.trayIcon.calls.back(), "delete");
    // No window went through an unload: all stay loaded, none was destroyed.
    EXPECT_EQ(world.app.forms().size(), loaded);
    EXPECT_EQ(logIndex("destroy:Form3"), -1);
    EXPECT_EQ(logIndex("destroy:Form1"), -1);
}

TEST_F(WidgetTest, ClosingTheWidgetFromTheSystemEndsTheProgramToo) {
    start();
    widget().userClose();  // Alt+F4, window menu
    EXPECT_TRUE(world.backend.processEnded);
    EXPECT_EQ(world.backend.exitStatus, 0);
    EXPECT_FALSE(world.trayIcon.entry.has_value());
    EXPECT_EQ(logIndex("destroy:Form1"), -1);
}

TEST_F(WidgetTest, UnloadingTheWidgetFromCodeDoesNotEndTheProgram) {
    start();
    ASSERT_TRUE(widget().unload());
    EXPECT_FALSE(world.backend.processEnded);
    EXPECT_EQ(world.app.loadedForm<Form1>(), nullptr);
}

}  // namespace

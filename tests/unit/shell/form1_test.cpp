#include <gtest/gtest.h>

#include <string>

#include "shell/form3.h"
#include "widget_fixture.h"

namespace {

using sparvane::shell::Form1;

TEST_F(WidgetTest, ShowsItsFiguresAndTellsWhatEachControlDoes) {
    start();
    Form1& w = widget();
    EXPECT_EQ(w.Shape1.borderColor(), 32768u);  // green until the first measurement
    EXPECT_EQ(w.Label3.caption(), "00");
    EXPECT_EQ(w.Label1.caption(), "000");
    EXPECT_EQ(w.Label2.caption(), "000");
    const std::pair<const char*, const char*> tips[] = {
        {"Command63", "Click to Clean Junk Fles "}, {"Command3", "Screen Guard"},
        {"Command8", "Click to Shutdown "},         {"Command6", "Click to Restart"},
        {"Command7", "Click to Logoff"},            {"Image2", "KBps"},
        {"Label1", "Internet Download Speed"},      {"Image1", "KBps"},
        {"Label2", "Internet Upload Speed"},        {"Picture1", "Click to run widget on windows startup"},
        {"Picture2", "Click to stop running on windows startup"},
        {"Command2", "About"},                      {"Command1", "Close Widget"}};
    for (const auto& [control, tip] : tips) EXPECT_EQ(w.findControl(control)->toolTip(), tip) << control;
}

TEST_F(WidgetTest, TheWindowIsCutDownToTheColumn) {
    start(1600, 900);
    const platform::RegionPlan& plan = widgetRegion();
    EXPECT_EQ(plan.outer, plan.inner) << "the widget has no frame to keep";
    EXPECT_EQ(plan.added.size(), 17u) << "every drawn control, not the timer";
    // Shape1 at 17760, 120 twips, 1095 x 4335: 1184, 8 to 1257, 297 pixels.
    EXPECT_EQ(boundingBox(plan), (forms::PixelRect{1184, 8, 1257, 297}));
}

TEST_F(WidgetTest, OnANarrowScreenTheWholeColumnMovesLeftToTheScreensEdge) {
    start(1024, 768);
    Form1& w = widget();
    const forms::PixelRect box = boundingBox(widgetRegion());
    EXPECT_EQ(box.right, 1024);
    EXPECT_EQ(box.right - box.left, 73) << "the column keeps its width";
    // The column moved as one: the designed distances between controls stay.
    EXPECT_DOUBLE_EQ(w.Picture2.leftTwips() - w.Picture1.leftTwips(), 480);
    EXPECT_DOUBLE_EQ(w.Shape1.leftTwips() + w.Shape1.widthTwips(), 1024 * 15);
}

TEST_F(WidgetTest, OnAScreenExactlyAsWideAsTheColumnNothingMoves) {
    start(1257, 900);
    EXPECT_DOUBLE_EQ(widget().Shape1.leftTwips(), 17760);
    EXPECT_EQ(boundingBox(widgetRegion()).right, 1257);
}

TEST_F(WidgetTest, TheClockIsWrittenOnTheFirstTickThenKeepsItsTimeUntilTheNextInput) {
    world.lastInput.tick = 0;  // the system has seen no input yet: the first tick writes anyway
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

TEST_F(WidgetTest, AboutShowsAnInformationBoxWithTheProductsDetails) {
    start();
    widget().Command2.userClick();
    ASSERT_EQ(world.backend.messages.size(), 1u);
    const fakes::ShownMessage& m = world.backend.messages[0];
    EXPECT_EQ(m.style, forms::msgbox::kInformation | forms::msgbox::kOkOnly);
    for (const char* part : {"Sparvane", "Sparvane team", "@sparvane.example", "Sparvane Professional",
                             "https://www.sparvane.example"})
        EXPECT_NE(m.text.find(part), std::string::npos) << part;
}

TEST_F(WidgetTest, CloseWidgetEndsAtOnceWithStatusZeroAndTakesTheTrayIconAway) {
    start();
    ASSERT_TRUE(world.trayIcon.entry.has_value()) << "the network window registers its icon at start-up";
    const auto loaded = world.app.forms().size();
    widget().Command1.userClick();
    EXPECT_TRUE(world.backend.processEnded);
    EXPECT_EQ(world.backend.exitStatus, 0);
    EXPECT_FALSE(world.trayIcon.entry.has_value());
    // No window went through an unload: all stay loaded, none was destroyed.
    EXPECT_EQ(world.app.forms().size(), loaded);
    EXPECT_EQ(logIndex("destroy:Form3"), -1);
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

namespace {

TEST_F(WidgetTest, FiguresKeepTheirValueAndShowARoundedFormThatFits) {
    start();
    Form1& w = widget();
    w.Label1.setCaption("20.16");
    w.Label2.setCaption("5123456.25");
    EXPECT_EQ(w.Label1.caption(), "20.16") << "the value stays as written";
    EXPECT_EQ(w.Label1.shownText(), "20.2");
    EXPECT_EQ(w.Label2.shownText(), "5.12M");
    EXPECT_EQ(w.Label3.shownText(), w.Label3.caption()) << "the clock is shown as written";
}

TEST_F(WidgetTest, TheLabelsReachTheFramesInnerEdgeAndNoFurther) {
    start();
    Form1& w = widget();
    const double frameInner = w.Shape1.leftTwips() + w.Shape1.widthTwips() - 15;
    for (forms::Label* label : {&w.Label3, &w.Label1, &w.Label2}) {
        EXPECT_DOUBLE_EQ(label->leftTwips() + label->widthTwips(), frameInner) << label->name();
        EXPECT_GT(label->leftTwips(), w.Shape1.leftTwips()) << label->name();
    }
}

}  // namespace

namespace {

// reg.exe runs while the widget goes on with its events, under the wait cursor; clicks on
// either box meanwhile start nothing.
TEST_F(WidgetTest, WhileTheRegistryToolRunsTheBoxesTurnClicksAwayUnderTheWaitCursor) {
    start();
    world.backend.answers = {forms::msgbox::kAnswerOk, forms::msgbox::kAnswerOk};
    bool busyMeanwhile = false;
    world.processes.duringWait = [&] {
        busyMeanwhile = world.backend.busyCursor;
        widget().Picture1.userClick();
        widget().Picture2.userClick();
    };
    const auto messagesBefore = world.backend.messages.size();
    const int eventsBefore = world.backend.doEventsCalls;
    widget().Picture1.userClick();
    EXPECT_GT(world.backend.doEventsCalls, eventsBefore) << "the widget's events ran during the wait";
    EXPECT_EQ(world.processes.commandLines.size(), 1u);
    EXPECT_EQ(world.backend.messages.size(), messagesBefore + 2) << "one question, one report";
    EXPECT_TRUE(busyMeanwhile);
    EXPECT_FALSE(world.backend.busyCursor) << "the wait cursor goes with the tool";

    world.processes.duringWait = nullptr;
    world.backend.answers = {forms::msgbox::kAnswerOk, forms::msgbox::kAnswerOk};
    widget().Picture2.userClick();
    EXPECT_EQ(world.processes.commandLines.size(), 2u) << "once it is over, the boxes work again";
}

}  // namespace

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "widget_fixture.h"

namespace {

using sparvane::shell::WidgetWindow;

// A display change while the widget runs: resolution, work area or DPI.
struct DisplayChange {
    const char* name;
    int widthBefore, tppBefore;                    // screen width (pixels) and twips per pixel at start-up
    int widthAfter, tppAfter, workAreaRightAfter;  // -1: the work area reaches the edge
    forms::PixelRect column;                       // the region's bounding box afterwards, in pixels
    friend void PrintTo(const DisplayChange& c, std::ostream* os) { *os << c.name; }
};

class WidgetDisplayChange : public WidgetTest, public ::testing::WithParamInterface<DisplayChange> {};

TEST_P(WidgetDisplayChange, RefitsAndRescalesTheColumn) {
    const DisplayChange& c = GetParam();
    world.backend.twipsPerPixel = c.tppBefore;
    start(c.widthBefore, 900);
    widget().downloadFigure.setCaption("20.16");
    world.backend.screenWidthPx = c.widthAfter;
    world.backend.twipsPerPixel = c.tppAfter;
    world.backend.workAreaRightPx = c.workAreaRightAfter;
    world.backend.changeDisplay();
    EXPECT_EQ(boundingBox(widgetRegion()), c.column);
    EXPECT_EQ(widget().downloadFigure.caption(), "20.16") << "a display change keeps the figures";
    // The column moves as one: the designed distances between its controls stay.
    EXPECT_DOUBLE_EQ(widget().autoStartOffBox.leftTwips() - widget().autoStartOnBox.leftTwips(), 480);
}

// Designed column: 17760..18855 twips across, 120..4455 down (junkFrame). A resolution that
// shrinks and grows back is 19_widget_display_change; work area and DPI cannot be made there.
INSTANTIATE_TEST_SUITE_P(
    Widget, WidgetDisplayChange,
    // A screen exactly as wide as the column moves nothing.
    ::testing::Values(DisplayChange{"ScreenExactlyAsWideAsTheColumn", 1257, 15, 1257, 15, -1, {1184, 8, 1257, 297}},
                      DisplayChange{"TaskbarDockedRight", 1600, 15, 1600, 15, 1200, {1127, 8, 1200, 297}},
                      // 1776 + 109.5 and 12 + 433.5 pixels: halves go to the even neighbour.
                      DisplayChange{"DpiRisesTo144", 1920, 15, 1920, 10, -1, {1776, 12, 1886, 446}},
                      DisplayChange{"DpiRisesOnANarrowScreen", 1600, 15, 1280, 10, -1, {1170, 12, 1280, 446}},
                      DisplayChange{"DpiFallsTo96", 1920, 10, 1920, 15, -1, {1184, 8, 1257, 297}}),
    [](const ::testing::TestParamInfo<DisplayChange>& testCase) { return std::string(testCase.param.name); });

// The clock written on the first tick and after input only: 10_widget_startup.
TEST_F(WidgetTest, AFailedLastInputQueryWritesNothing) {
    world.lastInput.tick.reset();
    start();
    world.backend.advance(3000);
    EXPECT_EQ(widget().activityClock.caption(), "00");
    EXPECT_GE(world.lastInput.queries, 3);
}

TEST_F(WidgetTest, AboutShowsAnInformationBoxWithTheProductsDetails) {
    start();
    widget().aboutButton.userClick();
    ASSERT_EQ(world.backend.messages.size(), 1u);
    const fakes::ShownMessage& m = world.backend.messages[0];
    EXPECT_EQ(m.style, forms::msgbox::kInformation | forms::msgbox::kOkOnly);
    for (const char* part :
         {"Sparvane", "Sparvane team", "@sparvane.example", "Sparvane Professional", "https://www.sparvane.example"})
        EXPECT_NE(m.text.find(part), std::string::npos) << part;
}

TEST_F(WidgetTest, FiguresShowTheirDesignTextUntilTheFirstTickThenTheValueInFullAndARoundedForm) {
    platform::InterfaceRow eth;
    eth.index = 2;
    eth.hardware = true;
    eth.octetsIn = 10'000;
    world.interfaceTable.rows = {eth};
    start();
    WidgetWindow& w = widget();
    EXPECT_EQ(w.junkFrame.borderColor(), 32768u);  // green until the first measurement
    EXPECT_EQ(w.activityClock.caption(), "00");
    EXPECT_EQ(w.downloadFigure.caption(), "000");
    EXPECT_EQ(w.downloadFigure.shownText(), "0");
    world.backend.advance(500);  // the baseline tick
    world.interfaceTable.rows[0].octetsIn += 2'520;
    world.backend.advance(500);  // 5.04 kB/s: 40.32 kbit/s
    EXPECT_EQ(w.downloadFigure.caption(), "40.32") << "the value stays in full";
    EXPECT_EQ(w.downloadFigure.shownText(), "40.3");
    EXPECT_EQ(w.uploadFigure.shownText(), "0");
    EXPECT_EQ(w.activityClock.shownText(), w.activityClock.caption()) << "the clock is shown as written";
}

}  // namespace

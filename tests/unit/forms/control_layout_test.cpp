// Where the Win32 backend puts a control's window, worked out from the model alone.
#include "forms/control_layout.h"

#include <gtest/gtest.h>

#include <ostream>

#include "fakes/headless_backend.h"
#include "forms/application.h"
#include "forms/form.h"

namespace {

using forms::chartBars;
using forms::clientRectOf;
using forms::shownOnScreen;
using forms::twipsToPixels;

struct TwipsCase {
    const char* name;
    double twips;
    double twipsPerPixel;
    int pixels;
    friend void PrintTo(const TwipsCase& c, std::ostream* os) { *os << c.name; }
};

class TwipsToPixels : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixels, RoundsHalvesToEvenLikeTheRegionHelper) {
    const TwipsCase& c = GetParam();
    EXPECT_EQ(twipsToPixels(c.twips, c.twipsPerPixel), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwipsToPixels,
                         ::testing::Values(TwipsCase{"Whole", 17880, 15, 1192}, TwipsCase{"Exact", 855, 15, 57},
                                           TwipsCase{"OneAndAHalfUp", 22.5, 15, 2},
                                           TwipsCase{"TwoAndAHalfDownToEven", 37.5, 15, 2},
                                           TwipsCase{"OffScreenTextBox", -960, 15, -64},
                                           TwipsCase{"At144Dpi", 1440, 10, 144}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

class LayoutTest : public ::testing::Test {
protected:
    fakes::HeadlessBackend backend;
    forms::Application app{backend, forms::AppInfo{}};
    forms::Form form{app, "Test"};
};

TEST_F(LayoutTest, AControlIsPlacedAtItsOwnPositionPlusItsContainersOffsets) {
    auto& label = form.add<forms::Label>("Label1");
    label.setBoundsTwips(18120, 2400, 270, 195);
    EXPECT_EQ(clientRectOf(label, 15, 15), (forms::PixelRect{1208, 160, 1226, 173}));
    auto& frame = form.add<forms::Frame>("Frame1");
    auto& inner = form.add<forms::PictureBox>("Picture1");
    auto& box = form.add<forms::CheckBox>("chkChkBox", 2);
    frame.setBoundsTwips(1500, 300, 3000, 3000);
    inner.setBoundsTwips(150, 150, 1500, 1500);
    box.setBoundsTwips(30, 45, 600, 300);
    inner.setContainer(&frame);
    box.setContainer(&inner);
    // 1680, 495 twips from the form's corner.
    EXPECT_EQ(clientRectOf(box, 15, 15), (forms::PixelRect{112, 33, 152, 53}));
}

TEST_F(LayoutTest, HiddenContainerHidesWhatItHolds) {
    auto& frame = form.add<forms::Frame>("Frame1");
    auto& label = form.add<forms::Label>("Label1");
    label.setContainer(&frame);
    EXPECT_TRUE(shownOnScreen(label));
    frame.setVisible(false);
    EXPECT_FALSE(shownOnScreen(label));
    EXPECT_TRUE(label.visible());  // the model's own flag is untouched
    frame.setVisible(true);
    label.setVisible(false);
    EXPECT_FALSE(shownOnScreen(label));
}

TEST(ChartBars, LargestValueFillsTheHeightAndOthersScaleFromTheBottom) {
    const auto bars = chartBars({50, 100, 25}, 300, 80);
    ASSERT_EQ(bars.size(), 3u);
    for (const auto& b : bars) EXPECT_EQ(b.bottom, 80);
    EXPECT_EQ(bars[1].top, 0);
    EXPECT_EQ(bars[0].top, 40);
    EXPECT_EQ(bars[2].top, 60);
    EXPECT_LE(bars[0].right, bars[1].left);  // side by side, not overlapping
    EXPECT_LE(bars[1].right, bars[2].left);
    EXPECT_LE(bars[2].right, 300);
}

TEST(ChartBars, NothingToScaleGivesFlatBarsAndNoRoomOrNoSeriesNone) {
    EXPECT_TRUE(chartBars({}, 100, 50).empty());
    EXPECT_TRUE(chartBars({1, 2}, 0, 50).empty());
    EXPECT_TRUE(chartBars({1, 2}, 100, 0).empty());
    const auto flat = chartBars({0, 0}, 100, 50);
    ASSERT_EQ(flat.size(), 2u);
    for (const auto& b : flat) EXPECT_EQ(b.top, 50);
}

struct FillCase {
    const char* name;
    double min, max, value;
    int width;
    int pixels;
    friend void PrintTo(const FillCase& c, std::ostream* os) { *os << c.name; }
};

class ProgressFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(ProgressFill, FillsTheValuesShareOfTheWidthInWholePixels) {
    const FillCase& c = GetParam();
    EXPECT_EQ(forms::progressFill(c.min, c.max, c.value, c.width), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgressFill,
                         ::testing::Values(FillCase{"CutNotRounded", 0, 100, 99.9, 55, 54},  // 54.945
                                           FillCase{"Empty", 0, 100, 0, 55, 0}, FillCase{"Full", 0, 100, 100, 55, 55},
                                           FillCase{"NoRoom", 0, 100, 50, 0, 0}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace

#include "shell/window_region.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>
#include <string>

#include "fakes/test_world.h"
#include "platform/region_assembly.h"

namespace {

using sparvane::shell::shapeFormToControls;

class Panel : public forms::Form {
public:
    explicit Panel(forms::Application& app)
        : forms::Form(app, "Panel"),
          Button(add<forms::CommandButton>("Button")),
          Box(add<forms::PictureBox>("Box")),
          InBox(add<forms::Label>("InBox")),
          Clock(add<forms::Timer>("Clock")) {
        Button.setBoundsTwips(150, 300, 600, 195);  // 10, 20, 40 x 13 pixels
        Box.setBoundsTwips(1500, 1500, 1500, 750);  // 100, 100, 100 x 50 pixels
        InBox.setContainer(&Box);
        InBox.setBoundsTwips(15, 15, 3000, 3000);  // would reach far beyond the box
        Clock.setBoundsTwips(4500, 4500, 0, 0);
        Clock.setInterval(1000);
    }
    forms::CommandButton& Button;
    forms::PictureBox& Box;
    forms::Label& InBox;
    forms::Timer& Clock;
};

class ShapeForm : public ::testing::Test {
protected:
    void SetUp() override {
        world.app.registerForm<Panel>([this] { return std::make_unique<Panel>(world.app); });
    }
    // Borderless, as the one form shaped (the widget) is.
    Panel& panel() {
        Panel& p = world.app.form<Panel>();
        p.setBorderStyle(forms::BorderStyle::None);
        p.move(0, 0, 6000, 4500);  // 400 x 300 pixels
        world.backend.formChanged(p);
        return p;
    }
    const std::optional<platform::RegionPlan>& region(const Panel& p) { return world.windows.windows[p.hWnd()].region; }
    fakes::TestWorld world;
};

TEST_F(ShapeForm, AFormWithoutFrameIsOnlyItsOwnControls) {
    Panel& p = panel();
    shapeFormToControls(p, world.windows);
    ASSERT_TRUE(region(p));
    EXPECT_EQ(region(p)->outer, region(p)->inner) << "the frame part must be empty";
    // The label inside the box and the timer add nothing.
    EXPECT_EQ(region(p)->added, (std::vector<forms::PixelRect>{{10, 20, 50, 33}, {100, 100, 200, 150}}));
    EXPECT_EQ(p.scaleMode(), forms::ScaleMode::Pixels) << "the pixel scale must stay in force";
}

TEST_F(ShapeForm, AMinimizedFormOnlyChangesItsScale) {
    Panel& p = panel();
    p.setWindowState(forms::WindowState::Minimized);
    shapeFormToControls(p, world.windows);
    EXPECT_FALSE(region(p));
    EXPECT_EQ(p.scaleMode(), forms::ScaleMode::Pixels);
}

TEST_F(ShapeForm, EdgesRoundHalvesToEven) {
    Panel& p = panel();
    // 37.5, 2.5 pixels at; 1 x 1 pixel: right 38.5, bottom 3.5. Halves go to the even
    // neighbour, up or down: neither truncation nor rounding half away gives this.
    p.Button.setBoundsTwips(562.5, 37.5, 15, 15);
    shapeFormToControls(p, world.windows);
    EXPECT_EQ(region(p)->added.front(), (forms::PixelRect{38, 2, 38, 4}));
}

// Region calls that refuse chosen steps. A region here is the list of rectangles it was
// made of; each live one holds a share of `live`, so that a piece left out must also be
// freed. (Copies would count too; the real region type cannot be copied at all.)
struct RefusingRegionOps {
    struct Region {
        std::vector<forms::PixelRect> parts;
        bool frame = false;
        std::shared_ptr<int> live;
    };
    std::set<std::pair<int, int>> refuseMaking;  // rectangles (left, top) that cannot be made
    std::set<std::pair<int, int>> refuseAdding;  // rectangles that cannot be added
    bool refuseDifference = false;
    std::shared_ptr<int> live = std::make_shared<int>(0);
    long alive() const { return live.use_count() - 1; }

    std::optional<Region> rect(const forms::PixelRect& r) {
        if (refuseMaking.count({r.left, r.top})) return std::nullopt;
        return Region{{r}, false, live};
    }
    bool difference(Region& into, const Region&, const Region&) {
        if (refuseDifference) return false;
        into.parts.clear();
        into.frame = true;
        return true;
    }
    bool add(Region& into, const Region& piece) {
        if (refuseAdding.count({piece.parts.front().left, piece.parts.front().top})) return false;
        into.parts.insert(into.parts.end(), piece.parts.begin(), piece.parts.end());
        return true;
    }
};

struct RegionRefusal {
    const char* name;
    std::set<std::pair<int, int>> refuseMaking, refuseAdding;
    bool refuseDifference;
    bool framePart;
    std::vector<forms::PixelRect> kept;  // the controls' rectangles in the region
    friend void PrintTo(const RegionRefusal& c, std::ostream* os) { *os << c.name; }
};

class RegionAssembly : public ::testing::TestWithParam<RegionRefusal> {};

// Frame 0,0-400,300 minus 4,27-396,296; three controls at 10, 100 and 300 across.
const forms::PixelRect kAt10{10, 20, 50, 33}, kAt100{100, 20, 140, 33}, kAt300{300, 20, 340, 33};

TEST_P(RegionAssembly, ARefusedStepCostsOnlyItsOwnPiece) {
    const RegionRefusal& c = GetParam();
    const platform::RegionPlan plan{{0, 0, 400, 300}, {4, 27, 396, 296}, {kAt10, kAt100, kAt300}};
    RefusingRegionOps ops;
    ops.refuseMaking = c.refuseMaking;
    ops.refuseAdding = c.refuseAdding;
    ops.refuseDifference = c.refuseDifference;
    platform::RegionAssembly report;
    {
        auto region = platform::assembleRegion(plan, ops, report);
        ASSERT_EQ(region.has_value(), c.framePart || !c.kept.empty());
        if (region) {
            EXPECT_EQ(region->frame, c.framePart);
            EXPECT_EQ(region->parts, c.kept);
            EXPECT_EQ(ops.alive(), 1) << "every working region but the result must be freed";
        }
    }
    EXPECT_EQ(report.framePart, c.framePart);
    EXPECT_EQ(report.rectanglesAdded, c.kept.size());
    EXPECT_EQ(report.rectanglesSkipped, plan.added.size() - c.kept.size());
    EXPECT_EQ(ops.alive(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Shape, RegionAssembly,
    ::testing::Values(
        RegionRefusal{"NothingRefused", {}, {}, false, true, {kAt10, kAt100, kAt300}},
        RegionRefusal{"ARectangleCannotBeMade", {{100, 20}}, {}, false, true, {kAt10, kAt300}},
        RegionRefusal{"ARectangleCannotBeAdded", {}, {{10, 20}}, false, true, {kAt100, kAt300}},
        RegionRefusal{"TheFramePartCannotBeCut", {}, {}, true, false, {kAt10, kAt100, kAt300}},
        RegionRefusal{"TheOuterRectangleCannotBeMade", {{0, 0}}, {}, false, false, {kAt10, kAt100, kAt300}},
        RegionRefusal{"NoFrameAndTheFirstRectangleNotMade", {{0, 0}, {10, 20}}, {}, false, false, {kAt100, kAt300}},
        RegionRefusal{"NothingCanBeMade", {{0, 0}, {4, 27}, {10, 20}, {100, 20}, {300, 20}}, {}, false, false, {}}),
    [](const ::testing::TestParamInfo<RegionRefusal>& testCase) { return std::string(testCase.param.name); });

}  // namespace

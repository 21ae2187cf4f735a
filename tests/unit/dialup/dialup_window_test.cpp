// The dial-up window as the notification-area menu opens it: nothing of it before, prepared
// on its first show, laid out inside its client area, put away by the close box and released
// by the program's exit. What the panel's buttons do: dialup_panel_test.
#include "dialup/dialup_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "common/process_control.h"
#include "fakes/test_world.h"
#include "forms/control_layout.h"
#include "shell/registration.h"

namespace {

using sparvane::dialup::DialupWindow;

struct DialupWindowTest : ::testing::Test {
    fakes::TestWorld world;
    DialupWindowTest() { sparvane::shell::registerForms(world.ctx); }
    // What the menu entry does.
    DialupWindow& open() {
        auto& window = world.app.form<DialupWindow>();
        window.show();
        return window;
    }
    static void connect(DialupWindow& window, const std::string& entry) {
        auto& list = window.panel().entryList;
        for (int i = 0; i < list.listCount(); ++i)
            if (list.list(i) == entry) list.setListIndex(i);
        window.panel().connectButton.setValue(true);
    }
};

TEST_F(DialupWindowTest, StartUpReadsNoPhoneBookAndTheNetworkWindowCarriesNoPanel) {
    world.dialup.entries = {"ISP"};
    sparvane::shell::startProgram(world.ctx);
    EXPECT_EQ(world.dialup.enumCalls, 0);
    EXPECT_EQ(world.app.loadedForm<DialupWindow>(), nullptr);
    ASSERT_NE(world.app.findForm("Form3"), nullptr);
    EXPECT_EQ(world.app.findForm("Form3")->findControl("txtStatus"), nullptr);

    DialupWindow& window = open();
    EXPECT_EQ(world.dialup.enumCalls, 1);
    EXPECT_EQ(window.panel().entryList.items(), std::vector<std::string>{"ISP"});
    EXPECT_EQ(window.panel().statusLog.text(), "Class initialized.\r\n");
}

TEST_F(DialupWindowTest, OpeningAgainAfterTheCloseBoxShowsTheSameLogWithoutListingAgain) {
    world.dialup.entries = {"ISP"};
    DialupWindow& window = open();
    window.panel().disconnectButton.setValue(true);
    window.userClose();
    world.dialup.entries = {"ISP", "Office"};
    EXPECT_EQ(&open(), &window);
    EXPECT_TRUE(window.visible());
    EXPECT_EQ(world.dialup.enumCalls, 1);
    EXPECT_EQ(window.panel().entryList.listCount(), 1);
    EXPECT_EQ(window.panel().statusLog.text(), "Class initialized.\r\nNo connection made yet.\r\n");
}

// Control rectangles in pixels as the backend places them, at 96 and 144 dpi: inside the
// client area (or their frame), and none over another of the same container.
struct LayoutTest : DialupWindowTest, ::testing::WithParamInterface<int> {};

bool inside(const forms::PixelRect& r, const forms::PixelRect& outer) {
    return r.left >= outer.left && r.top >= outer.top && r.right <= outer.right && r.bottom <= outer.bottom;
}
bool overlap(const forms::PixelRect& a, const forms::PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST_P(LayoutTest, EveryControlLiesInsideItsContainerAndNoneCoversAnother) {
    const double tpp = 1440.0 / GetParam();
    world.backend.twipsPerPixel = tpp;
    const DialupWindow& window = open();
    const forms::PixelRect client{0, 0, forms::twipsToPixels(window.scaleWidth(), tpp),
                                  forms::twipsToPixels(window.scaleHeight(), tpp)};
    const auto& controls = window.controls();
    ASSERT_EQ(controls.size(), 12u);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const forms::Control& c = *controls[i];
        const forms::PixelRect r = forms::clientRectOf(c, tpp, tpp);
        const forms::PixelRect outer = c.container() ? forms::clientRectOf(*c.container(), tpp, tpp) : client;
        EXPECT_TRUE(inside(r, outer)) << c.name() << " leaves its container";
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[j]->container() != c.container()) continue;
            EXPECT_FALSE(overlap(r, forms::clientRectOf(*controls[j], tpp, tpp)))
                << c.name() << " overlaps " << controls[j]->name();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, LayoutTest, ::testing::Values(96, 144),
                         [](const auto& testCase) { return "At" + std::to_string(testCase.param) + "Dpi"; });

// A case: how the window goes; whether it stays loaded, holding its dial-up object.
struct Closing {
    const char* label;
    std::function<void(fakes::TestWorld&, DialupWindow&)> close;
    bool staysLoaded;
    friend void PrintTo(const Closing& c, std::ostream* os) { *os << c.label; }
};
struct ClosingTest : DialupWindowTest, ::testing::WithParamInterface<Closing> {};

// The dialer never hangs up on release, so no way of closing drops the connection; only the
// close box keeps the object that can still hang it up.
TEST_P(ClosingTest, NoClosingHangsUpAndOnlyTheCloseBoxKeepsTheDialer) {
    world.dialup.entries = {"ISP"};
    DialupWindow& window = open();
    connect(window, "ISP");
    const std::string log = window.panel().statusLog.text();
    GetParam().close(world, window);
    EXPECT_FALSE(window.visible());
    EXPECT_TRUE(world.dialup.hungUp.empty());
    EXPECT_EQ(window.panel().statusLog.text(), log);  // no closed event
    EXPECT_EQ(world.app.loadedForm<DialupWindow>() == &window, GetParam().staysLoaded);
    EXPECT_EQ(window.panel().dialer() != nullptr, GetParam().staysLoaded);
    if (!GetParam().staysLoaded) return;
    open().panel().disconnectButton.setValue(true);
    EXPECT_EQ(world.dialup.hungUp, std::vector<std::uint32_t>{0xC0});  // the connection dialled above
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTest,
    ::testing::Values(Closing{"CloseBox", [](fakes::TestWorld&, DialupWindow& w) { w.userClose(); }, true},
                      Closing{"ProgramExit",
                              [](fakes::TestWorld& world, DialupWindow&) {
                                  sparvane::common::terminateProgram(world.ctx.orderlyExit);
                              },
                              false},
                      Closing{"SessionEnd", [](fakes::TestWorld& world, DialupWindow&) { world.app.endSession(); },
                              false}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

}  // namespace

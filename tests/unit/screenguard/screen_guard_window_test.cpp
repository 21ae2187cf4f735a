#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "fakes/test_world.h"
#include "forms/types.h"
#include "screenguard/screen_guard.h"
#include "screenguard/screen_guard_window.h"
#include "shell/registration.h"

namespace {

using sparvane::screenguard::openScreenGuard;
using sparvane::screenguard::ScreenGuardWindow;

class ScreenGuard : public ::testing::Test {
protected:
    ScreenGuard() { sparvane::shell::registerForms(world.ctx); }

    ScreenGuardWindow* guard() const { return world.app.loadedForm<ScreenGuardWindow>(); }
    const fakes::FakeWindowState& veil(forms::WindowHandle w) { return world.windows.windows[w]; }
    // The handle the headless backend gives the next window it creates: the guard's.
    forms::WindowHandle nextWindow() {
        forms::Form probe(world.app, "probe");
        world.backend.createForm(probe);
        const forms::WindowHandle next = probe.hWnd() + 1;
        world.backend.destroyForm(probe);
        return next;
    }

    fakes::TestWorld world;
};

// The message's text, and the veil maximized, topmost, at alpha 80 and taking the keys, are
// read under Wine in 51_screen_guard_and_logoff, and so is closing it by a double click and
// opening it again. What the system's answers cannot show is pinned here.
TEST_F(ScreenGuard, TellsHowToCloseItBeforeLoadingThenRaisesTheVeilKeepingItsOtherStyles) {
    bool loadedWhileAsking = true;
    world.backend.onMessageBox = [&](const fakes::ShownMessage&) { loadedWhileAsking = guard() != nullptr; };
    const forms::WindowHandle w = nextWindow();
    world.windows.windows[w].exStyle = 0x100;  // WS_EX_WINDOWEDGE, as the system sets it

    openScreenGuard(world.app);

    ASSERT_EQ(world.backend.messages.size(), 1u);
    EXPECT_FALSE(loadedWhileAsking);
    ASSERT_NE(guard(), nullptr);
    ASSERT_EQ(guard()->hWnd(), w);
    EXPECT_EQ(world.backend.broughtToFront, std::vector<std::string>{"Form4"});
    EXPECT_EQ(veil(w).exStyle & (0x100u | platform::kWsExLayered), 0x100u | platform::kWsExLayered)
        << "the other extended styles stay";
    ASSERT_EQ(world.windows.posCalls.size(), 1u);
    EXPECT_EQ(world.windows.posCalls[0].second, 3u) << "neither moved nor sized";
    EXPECT_LT(guard()->keyboardTrap.leftTwips() + guard()->keyboardTrap.widthTwips(), 0)
        << "the box taking the keys is seen";
}

struct StepFailure {
    const char* name;
    std::set<forms::WindowHandle> fakes::FakeWindowManager::*failSet;
    bool topmost, layered;
    int alpha;
    friend void PrintTo(const StepFailure& f, std::ostream* os) { *os << f.name; }
};

class ScreenGuardStepFailure : public ScreenGuard, public ::testing::WithParamInterface<StepFailure> {};

TEST_P(ScreenGuardStepFailure, LeavesTheWindowAsFarAsItGot) {
    (world.windows.*GetParam().failSet).insert(nextWindow());
    openScreenGuard(world.app);
    ASSERT_NE(guard(), nullptr);
    EXPECT_TRUE(guard()->visible()) << "the guard still comes up";
    const auto& v = veil(guard()->hWnd());
    EXPECT_EQ(v.topmost, GetParam().topmost);
    EXPECT_EQ(v.layered, GetParam().layered);
    EXPECT_EQ(v.alpha, GetParam().alpha);
    EXPECT_EQ(world.backend.messages.size(), 1u) << "nothing is reported";
}

INSTANTIATE_TEST_SUITE_P(
    Load, ScreenGuardStepFailure,
    ::testing::Values(StepFailure{"Topmost", &fakes::FakeWindowManager::failPos, false, true, 80},
                      StepFailure{"ExStyle", &fakes::FakeWindowManager::failExStyle, true, false, 255},
                      StepFailure{"Alpha", &fakes::FakeWindowManager::failLayered, true, true, 255}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace

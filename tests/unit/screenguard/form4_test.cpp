#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "fakes/test_world.h"
#include "forms/types.h"
#include "screenguard/form4.h"
#include "screenguard/screen_guard.h"
#include "shell/registration.h"

namespace {

using sparvane::screenguard::Form4;
using sparvane::screenguard::openScreenGuard;

class ScreenGuard : public ::testing::Test {
protected:
    ScreenGuard() { sparvane::shell::registerForms(world.ctx); }

    Form4* guard() const { return world.app.loadedForm<Form4>(); }
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

TEST_F(ScreenGuard, TellsHowToCloseItBeforeTheVeilComesUp) {
    bool loadedWhileAsking = true;
    world.backend.onMessageBox = [&](const fakes::ShownMessage&) { loadedWhileAsking = guard() != nullptr; };

    openScreenGuard(world.ctx);

    ASSERT_EQ(world.backend.messages.size(), 1u);
    const auto& message = world.backend.messages[0];
    EXPECT_EQ(message.text, "Double click on screen guard to close");
    EXPECT_EQ(message.style & 0xF, forms::msgbox::kOkOnly);
    EXPECT_EQ(message.title, "Sparvane");
    EXPECT_FALSE(loadedWhileAsking);
    ASSERT_NE(guard(), nullptr);
    EXPECT_TRUE(guard()->visible());
    EXPECT_EQ(world.backend.broughtToFront, std::vector<std::string>{"Form4"});
}

TEST_F(ScreenGuard, IsAMaximizedTopmostVeilAtAlpha80) {
    openScreenGuard(world.ctx);

    ASSERT_NE(guard(), nullptr);
    const Form4& form = *guard();
    EXPECT_EQ(form.caption(), "Form4");
    EXPECT_FALSE(form.hasIcon());
    EXPECT_EQ(form.backColor(), forms::kSystemButtonFace);
    EXPECT_EQ(form.windowState(), forms::WindowState::Maximized);
    EXPECT_EQ(form.width(), world.backend.screenWidthTwips());

    const auto& v = veil(form.hWnd());
    EXPECT_TRUE(v.topmost);
    EXPECT_TRUE(v.exStyle & platform::kWsExLayered);
    EXPECT_EQ(v.alpha, 80);
    ASSERT_EQ(world.windows.posCalls.size(), 1u);
    EXPECT_EQ(world.windows.posCalls[0].second, 3u) << "neither moved nor sized";
    ASSERT_EQ(world.windows.layeredCalls.size(), 1u);
    EXPECT_EQ(world.windows.layeredCalls[0].colorKey, 0u);
    EXPECT_EQ(world.windows.layeredCalls[0].flags, platform::kLwaAlpha);
}

TEST_F(ScreenGuard, LayeringKeepsTheOtherExtendedStyles) {
    const forms::WindowHandle w = nextWindow();
    world.windows.windows[w].exStyle = 0x100;  // WS_EX_WINDOWEDGE, as the system sets it

    openScreenGuard(world.ctx);

    ASSERT_EQ(guard()->hWnd(), w);
    EXPECT_EQ(veil(w).exStyle & 0x100u, 0x100u);
    EXPECT_TRUE(veil(w).layered);
}

TEST_F(ScreenGuard, TheHiddenTextBoxTakesTheKeyboard) {
    openScreenGuard(world.ctx);

    ASSERT_NE(guard(), nullptr);
    EXPECT_EQ(world.backend.focusRequests, std::vector<std::string>{"Form4.Text1"});
    const auto& text = guard()->Text1;
    EXPECT_EQ(text.text(), "Text1");
    EXPECT_LT(text.leftTwips() + text.widthTwips(), 0) << "lies wholly left of the client area";
    EXPECT_EQ(text.topTwips(), 3960);
}

TEST_F(ScreenGuard, DoubleClickClosesItAndNothingElse) {
    sparvane::shell::startProgram(world.ctx);
    openScreenGuard(world.ctx);
    ASSERT_NE(guard(), nullptr);
    const std::size_t othersLoaded = world.app.forms().size() - 1;

    forms::Application::EventScope scope(world.app);
    guard()->userDblClick();

    EXPECT_EQ(guard(), nullptr);
    EXPECT_EQ(world.app.forms().size(), othersLoaded) << "the widget and the hidden windows stay";
    EXPECT_FALSE(world.backend.processEnded);
}

TEST_F(ScreenGuard, ReopeningAfterADoubleClickGivesAFreshVeil) {
    openScreenGuard(world.ctx);
    const forms::WindowHandle first = guard()->hWnd();
    {
        forms::Application::EventScope scope(world.app);
        guard()->userDblClick();
    }
    ASSERT_EQ(guard(), nullptr);

    openScreenGuard(world.ctx);

    ASSERT_NE(guard(), nullptr);
    const forms::WindowHandle second = guard()->hWnd();
    EXPECT_NE(second, first) << "a new window, loaded afresh";
    EXPECT_TRUE(guard()->visible());
    EXPECT_TRUE(veil(second).topmost);
    EXPECT_TRUE(veil(second).layered);
    EXPECT_EQ(veil(second).alpha, 80);
    EXPECT_EQ(world.backend.messages.size(), 2u) << "the way out is told every time";
    EXPECT_EQ(world.backend.broughtToFront, (std::vector<std::string>{"Form4", "Form4"}));
}

// A failing step leaves the veil as far as the other steps got it.
struct StepFailure {
    const char* name;
    std::set<forms::WindowHandle> fakes::FakeWindowManager::*failSet;
    bool topmost;
    bool layered;
    int alpha;
    friend void PrintTo(const StepFailure& f, std::ostream* os) { *os << f.name; }
};

class ScreenGuardStepFailure : public ScreenGuard, public ::testing::WithParamInterface<StepFailure> {};

TEST_P(ScreenGuardStepFailure, LeavesTheWindowAsFarAsItGot) {
    (world.windows.*GetParam().failSet).insert(nextWindow());

    openScreenGuard(world.ctx);

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
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

#include <gtest/gtest.h>

#include "common/window_frame.h"
#include "fakes/test_world.h"

namespace {

using sparvane::common::refreshFormFrame;

class RefreshFrame : public ::testing::Test {
protected:
    struct Plain : forms::Form {
        explicit Plain(forms::Application& app) : forms::Form(app, "Plain") {}
    };
    void SetUp() override {
        world.app.registerForm<Plain>([this] { return std::make_unique<Plain>(world.app); });
        window = world.app.form<Plain>().hWnd();
        world.windows.windows[window].style = 0x14CF0000;
    }
    fakes::TestWorld world;
    forms::WindowHandle window = 0;
};

TEST_F(RefreshFrame, RewritesTheStyleAndAsksForAFrameChangeOnly) {
    refreshFormFrame(world.windows, world.app.form<Plain>());
    EXPECT_EQ(world.windows.windows[window].style, 0x14CF0000u);
    ASSERT_EQ(world.windows.posCalls.size(), 1u);
    EXPECT_EQ(world.windows.posCalls[0].first, window);
    EXPECT_EQ(world.windows.posCalls[0].second, 0x37u);
}

TEST_F(RefreshFrame, AStyleThatCannotBeReadOrWrittenAsksForNoFrameChange) {
    world.windows.failStyle.insert(window);
    refreshFormFrame(world.windows, world.app.form<Plain>());
    EXPECT_EQ(world.windows.windows[window].style, 0x14CF0000u) << "a style not read must not be replaced";
    world.windows.failStyle.clear();
    world.windows.windows[window].style = 0;  // the write answers the previous style: 0 is a failure
    refreshFormFrame(world.windows, world.app.form<Plain>());
    EXPECT_TRUE(world.windows.posCalls.empty());
    EXPECT_TRUE(world.backend.messages.empty());
}

}  // namespace

#include "common/messages.h"

#include <gtest/gtest.h>

#include "common/window_frame.h"
#include "fakes/test_world.h"
#include "sparvane/version.h"

namespace {

using sparvane::common::FormatCaption;
using sparvane::common::InfoMsg;
using sparvane::common::RefreshFormFrame;
using sparvane::common::SystemErrorText;

// Every caller leaves the title out: the caption is the program's name and version.
TEST(InfoMsg, ShowsAnInformationBoxCaptionedWithTheVersion) {
    fakes::TestWorld world;
    InfoMsg(world.app, "Text");
    ASSERT_EQ(world.backend.messages.size(), 1u);
    EXPECT_EQ(world.backend.messages[0].text, "Text");
    EXPECT_EQ(world.backend.messages[0].style, forms::msgbox::kInformation | forms::msgbox::kOkOnly);
    EXPECT_EQ(world.backend.messages[0].title, std::string("sparvane v") + sparvane::version::kText);
}

TEST(FormatCaption, BuildsTheVersionFromTheApplicationInfo) {
    forms::AppInfo info;
    info.exeName = "spv";
    info.major = 3, info.minor = 10, info.revision = 7;
    EXPECT_EQ(FormatCaption(info, ""), "spv v3.10.7");
}

TEST(SystemErrorText, GivesTheSystemTextWithItsLineBreakOrNothing) {
    fakes::FakeSystemErrors errors;
    EXPECT_EQ(SystemErrorText(errors, 5), "Access denied.\r\n");
    EXPECT_EQ(SystemErrorText(errors, 0xDEAD), "");
    errors.texts[77] = std::string(256, 'x');  // does not fit the 256-character buffer
    EXPECT_EQ(SystemErrorText(errors, 77), "");
}

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
    RefreshFormFrame(world.windows, world.app.form<Plain>());
    EXPECT_EQ(world.windows.windows[window].style, 0x14CF0000u);
    ASSERT_EQ(world.windows.posCalls.size(), 1u);
    EXPECT_EQ(world.windows.posCalls[0].first, window);
    EXPECT_EQ(world.windows.posCalls[0].second, 0x37u);
}

TEST_F(RefreshFrame, AStyleThatCannotBeReadOrWrittenAsksForNoFrameChange) {
    world.windows.failStyle.insert(window);
    RefreshFormFrame(world.windows, world.app.form<Plain>());
    EXPECT_EQ(world.windows.windows[window].style, 0x14CF0000u) << "a style not read must not be replaced";
    world.windows.failStyle.clear();
    world.windows.windows[window].style = 0;  // the write answers the previous style: 0 is a failure
    RefreshFormFrame(world.windows, world.app.form<Plain>());
    EXPECT_TRUE(world.windows.posCalls.empty());
    EXPECT_TRUE(world.backend.messages.empty());
}

}  // namespace

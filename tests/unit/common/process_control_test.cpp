#include "common/process_control.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/test_world.h"
#include "sparvane/version.h"

namespace {

using sparvane::common::AdjustPrivileges;
using sparvane::common::TerminateProgram;
using sparvane::common::UnloadAllForms;

constexpr const char* kSourceLine = "\r\n\r\nSource:    modMain.AdjustPrivileges";

struct PrivilegeCase {
    const char *name, *privilege;
    bool enable, failOpen, failAdjust, result;
    std::vector<std::string> calls;  // the token's, in order
    std::string report;              // the box's text before the source line; "" when none shows
    friend void PrintTo(const PrivilegeCase& c, std::ostream* os) { *os << c.name; }
};

class AdjustPrivilegesTest : public ::testing::TestWithParam<PrivilegeCase> {
protected:
    fakes::TestWorld world;
};

// Every privilege starts in the state opposite to the one asked for, so that a change shows.
TEST_P(AdjustPrivilegesTest, ChangesWhatTheSystemAcceptsReportsWhatWentWrongAndReleasesTheToken) {
    const PrivilegeCase& c = GetParam();
    for (const auto& [name, luid] : world.token.privileges) world.token.enabled[luid.lowPart] = !c.enable;
    world.token.failOpen = c.failOpen;
    world.token.failAdjust = c.failAdjust;
    world.token.openError = 0xBEEF;  // a code the system has no text for
    EXPECT_EQ(AdjustPrivileges(world.app, world.token, world.systemErrors, c.enable, c.privilege), c.result);
    EXPECT_EQ(world.token.isEnabled(c.privilege), c.result ? c.enable : !c.enable);
    EXPECT_EQ(world.token.calls, c.calls);
    EXPECT_EQ(world.token.openHandles, 0) << "token left open";
    const auto& shown = world.backend.messages;
    ASSERT_EQ(shown.size(), c.report.empty() ? 0u : 1u);
    if (!shown.empty()) {
        EXPECT_EQ(shown[0].text, c.report + kSourceLine);
        EXPECT_EQ(shown[0].title, std::string("sparvane v") + sparvane::version::kText);
        EXPECT_EQ(shown[0].style, forms::msgbox::kInformation);
    }
}

std::vector<std::string> adjusted(const char* privilege) {
    return {"open", std::string("lookup:") + privilege, "adjust", "close"};
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, AdjustPrivilegesTest,
    ::testing::Values(
        PrivilegeCase{"UnknownNameWithTheSystemText", "SeNoSuchPrivilege", true, false, false, false,
                      {"open", "lookup:SeNoSuchPrivilege", "close"},
                      "Cannot find \"SeNoSuchPrivilege\" privilege value. \r\n"
                      "[A specified privilege does not exist.\r\n]"},
        PrivilegeCase{"UnknownCodeLeavesEmptyBrackets", "SeDebugPrivilege", false, true, false, false, {"open"},
                      "Cannot determine current process. \r\n[]"},
        PrivilegeCase{"Disable", "SeDebugPrivilege", false, false, false, true, adjusted("SeDebugPrivilege"), ""},
        // Disabling reports nothing, only answers what the system said.
        PrivilegeCase{"RefusedDisable", "SeDebugPrivilege", false, false, true, false, adjusted("SeDebugPrivilege"),
                      ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });
// clang-format on

// A form that logs its unload handlers and can be told to misbehave in them.
class LoggingForm : public forms::Form {
public:
    LoggingForm(sparvane::Context& ctx, std::string name, std::vector<std::string>& log)
        : forms::Form(ctx.app, std::move(name)), Ticker(add<forms::Timer>("Ticker")), ctx_(ctx), log_(log) {
        Ticker.setInterval(100);
        Ticker.onTimer = [this] { log_.push_back(this->name() + ":tick"); };
    }
    forms::Timer& Ticker;
    bool cancelUnload = false;
    bool terminateOnUnload = false;

    void Form_QueryUnload(int& cancel, int mode) override {
        log_.push_back(name() + ":QueryUnload(" + std::to_string(mode) + ")");
        if (cancelUnload) cancel = 1;
        if (terminateOnUnload) TerminateProgram(ctx_.orderlyExit);
    }
    void Form_Unload(int&) override { log_.push_back(name() + ":Unload"); }

private:
    sparvane::Context& ctx_;
    std::vector<std::string>& log_;
};

struct First : LoggingForm {
    First(sparvane::Context& c, std::vector<std::string>& l) : LoggingForm(c, "First", l) {}
};
struct Second : LoggingForm {
    Second(sparvane::Context& c, std::vector<std::string>& l) : LoggingForm(c, "Second", l) {}
};

class Orderly : public ::testing::Test {
protected:
    void SetUp() override {
        world.app.registerForm<First>([this] { return std::make_unique<First>(world.ctx, log); });
        world.app.registerForm<Second>([this] { return std::make_unique<Second>(world.ctx, log); });
        world.app.form<First>().show();
        world.app.form<Second>().show();
    }
    fakes::TestWorld world;
    std::vector<std::string> log;
};

TEST_F(Orderly, AFormThatCancelsIsPassedOverHiddenWithItsTimersStopped) {
    auto& second = world.app.form<Second>();
    second.cancelUnload = true;
    UnloadAllForms(world.app);
    ASSERT_EQ(world.app.forms().size(), 1u);
    EXPECT_FALSE(second.visible());
    EXPECT_EQ(second.Ticker.interval(), 0);
    EXPECT_FALSE(second.Ticker.timerEnabled());
    log.clear();
    world.backend.advance(10'000);
    EXPECT_TRUE(log.empty()) << "a visited form's timer fired";
}

TEST_F(Orderly, TerminateDropsTheDebugPrivilegeUnloadsAllAndEndsWithStatusZero) {
    world.token.enabled[20] = true;
    TerminateProgram(world.ctx.orderlyExit);
    EXPECT_FALSE(world.token.enabled[20]);
    EXPECT_TRUE(world.app.forms().empty());
    // Status 0 even though the exit-code query answers non-zero (STILL_ACTIVE).
    EXPECT_EQ(world.processes.exitStatuses, (std::vector<std::uint32_t>{0}));
}

// Every form unloaded once, in load order, as from code.
TEST_F(Orderly, AnUnloadHandlerAskingToTerminateDoesNotStartASecondTermination) {
    world.app.form<First>().terminateOnUnload = true;
    world.app.form<Second>().terminateOnUnload = true;
    TerminateProgram(world.ctx.orderlyExit);
    EXPECT_EQ(world.processes.exitStatuses.size(), 1u);
    EXPECT_EQ(log, (std::vector<std::string>{"First:QueryUnload(1)", "First:Unload", "Second:QueryUnload(1)",
                                             "Second:Unload"}));
    EXPECT_EQ(std::count(world.token.calls.begin(), world.token.calls.end(), "adjust"), 1);
}

TEST_F(Orderly, AFailedPrivilegeChangeDoesNotStopTheExit) {
    world.token.failOpen = true;
    TerminateProgram(world.ctx.orderlyExit);
    EXPECT_EQ(world.backend.messages.size(), 1u);
    EXPECT_TRUE(world.app.forms().empty());
    EXPECT_EQ(world.processes.exitStatuses, (std::vector<std::uint32_t>{0}));
}

}  // namespace

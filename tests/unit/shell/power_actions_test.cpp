// The widget's Shut Down, Restart and Log Off buttons, from the click to the request. The
// other buttons are clicked under Wine: Screen Guard in 51_screen_guard_and_logoff, the
// auto-start boxes in 50_autostart, Clean Junk in 42 and 43.
#include "shell/power_actions.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "widget_fixture.h"

namespace {

namespace exit_windows = platform::exit_windows;

struct PowerButtonCase {
    const char *name, *control;
    unsigned request;
    friend void PrintTo(const PowerButtonCase& c, std::ostream* os) { *os << c.name; }
};

const PowerButtonCase kButtons[] = {{"Shutdown", "Command8", exit_windows::kShutdown},
                                    {"Restart", "Command6", exit_windows::kReboot},
                                    {"LogOff", "Command7", exit_windows::kLogOff}};

// Accepted, or refused by Windows at both steps: a refused privilege is not reported, and a
// refused request must not turn into anything else.
class PowerButton : public WidgetTest, public ::testing::WithParamInterface<std::tuple<PowerButtonCase, bool>> {};

TEST_P(PowerButton, AsksForTheShutdownPrivilegeThenMakesOneRequestAndNothingElse) {
    const auto& [button, accepted] = GetParam();
    start();
    world.session.token = &world.token;
    world.session.accept = accepted;
    world.token.failAdjust = !accepted;
    world.token.calls.clear();
    forms::Control* control = widget().findControl(button.control);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(world.session.requests.empty()) << "requested before the click";
    control->userClick();
    EXPECT_EQ(world.session.requests, std::vector<unsigned>{button.request});
    ASSERT_EQ(world.session.privilegeEnabledAtRequest, std::vector<bool>{accepted});
    // The whole privilege dance, token released, came before the request.
    const std::vector<std::string> dance{"open", "lookup:SeShutdownPrivilege", "adjust", "close"};
    EXPECT_EQ(world.token.calls, dance);
    EXPECT_EQ(world.session.tokenCallsAtRequest, std::vector<std::size_t>{dance.size()});
    EXPECT_TRUE(world.backend.messages.empty()) << "no confirmation, no report";
}

INSTANTIATE_TEST_SUITE_P(Widget, PowerButton, ::testing::Combine(::testing::ValuesIn(kButtons), ::testing::Bool()),
                         [](const auto& testCase) {
                             return std::string(std::get<0>(testCase.param).name) +
                                    (std::get<1>(testCase.param) ? "_Accepted" : "_Refused");
                         });

TEST(EnableShutdownPrivilege, EnablesTheOneEntryAndAlwaysReleasesAnOpenedToken) {
    fakes::FakeToken token;
    token.privileges["SeShutdownPrivilege"] = {0x13, 0x7};
    sparvane::shell::EnableShutdownPrivilege(token);
    EXPECT_EQ(token.openAccess, std::vector<unsigned>{0x28});  // adjust privileges | query
    ASSERT_EQ(token.adjustedStates.size(), 1u);
    EXPECT_EQ(token.adjustedStates[0].privilegeCount, 1u);
    EXPECT_EQ(token.adjustedStates[0].luid, (platform::Luid{0x13, 0x7}));
    EXPECT_EQ(token.adjustedStates[0].attributes, 2u);  // enabled
    EXPECT_EQ(token.adjustDisableAll, std::vector<bool>{false});
    EXPECT_EQ(token.closedHandles, token.adjustedHandles);

    fakes::FakeToken unknown;  // without the privilege nothing is adjusted, yet the token is closed
    unknown.privileges.erase("SeShutdownPrivilege");
    sparvane::shell::EnableShutdownPrivilege(unknown);
    EXPECT_TRUE(unknown.adjustedStates.empty());
    EXPECT_EQ(unknown.closedHandles.size(), 1u);

    fakes::FakeToken unopenable;  // nothing opened: nothing to close
    unopenable.failOpen = true;
    sparvane::shell::EnableShutdownPrivilege(unopenable);
    EXPECT_TRUE(unopenable.adjustedStates.empty() && unopenable.closedHandles.empty());
}

TEST(ShutdownWindowsOS, RequestsEvenWithoutTheTokenAndReportsWhatWindowsAnswered) {
    fakes::FakeToken token;
    token.failOpen = true;
    fakes::FakeSession session;
    EXPECT_EQ(sparvane::shell::shutdownWindowsOS(token, session, exit_windows::kReboot), 1);
    session.accept = false;
    EXPECT_EQ(sparvane::shell::shutdownWindowsOS(token, session, exit_windows::kShutdown), 0);
    EXPECT_EQ(session.requests, (std::vector<unsigned>{exit_windows::kReboot, exit_windows::kShutdown}));
}

}  // namespace

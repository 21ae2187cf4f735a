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

// How the token and Windows answer. A privilege that cannot be had is not reported (Windows
// then refuses the request itself), and a refused request must not turn into anything else.
struct TokenAnswer {
    const char* name;
    bool failOpen, unknownPrivilege, refused;  // refused: the adjustment and the request
    std::vector<std::string> calls;            // the token's, all before the request
    friend void PrintTo(const TokenAnswer& a, std::ostream* os) { *os << a.name; }
};
const std::vector<std::string> kDance{"open", "lookup:SeShutdownPrivilege", "adjust", "close"};
const TokenAnswer kAnswers[] = {
    {"Accepted", false, false, false, kDance},
    {"Refused", false, false, true, kDance},
    {"UnknownPrivilege", false, true, false, {"open", "lookup:SeShutdownPrivilege", "close"}},
    {"NoToken", true, false, false, {"open"}}};

class PowerButton : public WidgetTest,
                    public ::testing::WithParamInterface<std::tuple<PowerButtonCase, TokenAnswer>> {};

TEST_P(PowerButton, AsksForTheShutdownPrivilegeThenMakesOneRequestAndNothingElse) {
    const auto& [button, answer] = GetParam();
    start();
    world.session.token = &world.token;
    world.session.accept = !answer.refused;
    world.token.failAdjust = answer.refused;
    world.token.failOpen = answer.failOpen;
    if (answer.unknownPrivilege) world.token.privileges.erase("SeShutdownPrivilege");
    world.token.calls.clear();
    forms::Control* control = widget().findControl(button.control);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(world.session.requests.empty()) << "requested before the click";
    control->userClick();
    EXPECT_EQ(world.session.requests, std::vector<unsigned>{button.request});
    const bool enabled = !answer.failOpen && !answer.unknownPrivilege && !answer.refused;
    ASSERT_EQ(world.session.privilegeEnabledAtRequest, std::vector<bool>{enabled});
    EXPECT_EQ(world.token.calls, answer.calls);
    EXPECT_EQ(world.session.tokenCallsAtRequest, std::vector<std::size_t>{answer.calls.size()});
    EXPECT_EQ(world.token.openHandles, 0) << "token left open";
    EXPECT_TRUE(world.backend.messages.empty()) << "no confirmation, no report";
}

INSTANTIATE_TEST_SUITE_P(Widget, PowerButton,
                         ::testing::Combine(::testing::ValuesIn(kButtons), ::testing::ValuesIn(kAnswers)),
                         [](const auto& testCase) {
                             return std::string(std::get<0>(testCase.param).name) + "_" +
                                    std::get<1>(testCase.param).name;
                         });

TEST(enableShutdownPrivilege, HandsTheSystemTheOneEntryEnabledAndClosesTheTokenItAdjusted) {
    fakes::FakeToken token;
    token.privileges["SeShutdownPrivilege"] = {0x13, 0x7};
    sparvane::shell::enableShutdownPrivilege(token);
    EXPECT_EQ(token.openAccess, std::vector<unsigned>{0x28});  // adjust privileges | query
    ASSERT_EQ(token.adjustedStates.size(), 1u);
    EXPECT_EQ(token.adjustedStates[0].privilegeCount, 1u);
    EXPECT_EQ(token.adjustedStates[0].luid, (platform::Luid{0x13, 0x7}));
    EXPECT_EQ(token.adjustedStates[0].attributes, 2u);  // enabled
    EXPECT_EQ(token.adjustDisableAll, std::vector<bool>{false});
    EXPECT_EQ(token.closedHandles, token.adjustedHandles);
}

}  // namespace

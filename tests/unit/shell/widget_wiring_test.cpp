// Shut Down and Restart reach their requests (the requests themselves are tested with the
// power actions). The other buttons are clicked under Wine: Log Off and Screen Guard in
// 51_screen_guard_and_logoff, the auto-start boxes in 50_autostart, Clean Junk in 42 and 43.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace {

struct Wiring {
    const char* control;
    unsigned request;
    friend void PrintTo(const Wiring& c, std::ostream* os) { *os << c.control; }
};

class WidgetWiring : public WidgetTest, public ::testing::WithParamInterface<Wiring> {};

TEST_P(WidgetWiring, AClickReachesItsRequest) {
    start();
    forms::Control* c = widget().findControl(GetParam().control);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(world.session.requests.empty()) << "requested before the click";
    c->userClick();
    EXPECT_EQ(world.session.requests, std::vector<unsigned>{GetParam().request});
}

INSTANTIATE_TEST_SUITE_P(Buttons, WidgetWiring,
                         ::testing::Values(Wiring{"Command8", platform::exit_windows::kShutdown},
                                           Wiring{"Command6", platform::exit_windows::kReboot}),
                         [](const auto& testCase) { return std::string(testCase.param.control); });

}  // namespace

// Each of the widget's buttons reaches the action it stands for (the actions themselves are
// tested with their subsystems).
#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <string>

#include "cleaning/frm_main.h"
#include "widget_fixture.h"

namespace {

struct Wiring {
    const char* control;
    std::function<bool(fakes::TestWorld&)> reached;
    friend void PrintTo(const Wiring& c, std::ostream* os) { *os << c.control; }
};

bool firstMessageIs(fakes::TestWorld& w, const std::string& text) {
    return !w.backend.messages.empty() && w.backend.messages.front().text == text;
}
bool firstRequestIs(fakes::TestWorld& w, unsigned flags) {
    return !w.session.requests.empty() && w.session.requests.front() == flags;
}

class WidgetWiring : public WidgetTest, public ::testing::WithParamInterface<Wiring> {};

TEST_P(WidgetWiring, AClickReachesItsAction) {
    world.clock.autoAdvance = 50;  // the clean-up's pauses wait on the tick count
    start();
    world.backend.answers = {forms::msgbox::kAnswerCancel};  // questions are declined
    forms::Control* c = widget().findControl(GetParam().control);
    ASSERT_NE(c, nullptr);
    EXPECT_FALSE(GetParam().reached(world)) << "reached before the click";
    c->userClick();
    EXPECT_TRUE(GetParam().reached(world));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, WidgetWiring,
    ::testing::Values(
        Wiring{"Command8", [](auto& w) { return firstRequestIs(w, platform::exit_windows::kShutdown); }},
        Wiring{"Command6", [](auto& w) { return firstRequestIs(w, platform::exit_windows::kReboot); }},
        Wiring{"Command7", [](auto& w) { return firstRequestIs(w, platform::exit_windows::kLogOff); }},
        Wiring{"Picture1", [](auto& w) { return firstMessageIs(w, "Run on windows startup"); }},
        Wiring{"Picture2", [](auto& w) { return firstMessageIs(w, "Stop running on windows startup?"); }},
        Wiring{"Command3", [](auto& w) { return firstMessageIs(w, "Double click on screen guard to close"); }},
        Wiring{"Command63",
               [](auto& w) { return w.app.template loadedForm<sparvane::cleaning::frmMain>() != nullptr; }}),
    [](const auto& testCase) { return std::string(testCase.param.control); });

}  // namespace

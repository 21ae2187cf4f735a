#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <string>

#include "fakes/test_world.h"
#include "shell/auto_start.h"

namespace {

namespace msgbox = forms::msgbox;
using Root = platform::RegistryRoot;
using Values = std::map<std::string, std::string>;

constexpr const char* kRunKey = R"(Software\Microsoft\Windows\CurrentVersion\Run)";
constexpr const char* kOld = R"("C:\Old\spv.exe")";  // a value written before
constexpr const char* kFailed = "Auto-start could not be changed.\r\n\r\n";

// The questions' and reports' texts, Cancel, and both switches succeeding under Wine's
// registry (an administrator's): 50_autostart. Here what Wine cannot refuse.
struct SwitchCase {
    const char* name;
    void (*click)(forms::Application&, platform::Registry&);
    std::map<Root, std::uint32_t> refusals;
    Values userAfter, machineAfter;  // the Run keys' values after OK; both start as {Sparvane: kOld}
    std::string report;              // the second message box
    int style;
    friend void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }
};

class AutoStartBox : public ::testing::TestWithParam<SwitchCase> {
protected:
    fakes::TestWorld world;
    Values& user = world.registry.strings[{Root::kCurrentUser, kRunKey}];
    Values& machine = world.registry.strings[{Root::kLocalMachine, kRunKey}];
};

TEST_P(AutoStartBox, CancelChangesNothingOkChangesTheValuesAndReports) {
    const SwitchCase& c = GetParam();
    const auto& shown = world.backend.messages;
    user = machine = {{"Sparvane", kOld}};
    world.registry.refusals = c.refusals;
    world.backend.answers = {msgbox::kAnswerCancel, msgbox::kAnswerOk};

    c.click(world.app, world.registry);
    EXPECT_EQ(user, (Values{{"Sparvane", kOld}}));
    EXPECT_EQ(machine, (Values{{"Sparvane", kOld}}));
    ASSERT_EQ(shown.size(), 1u) << "Cancel reports nothing";
    EXPECT_EQ(shown[0].style, msgbox::kOkCancel | msgbox::kQuestion);

    c.click(world.app, world.registry);
    EXPECT_EQ(user, c.userAfter);
    EXPECT_EQ(machine, c.machineAfter);
    ASSERT_EQ(shown.size(), 3u) << "one question, one report";
    EXPECT_EQ(shown[2].text, c.report);
    EXPECT_EQ(shown[2].style, c.style);
}

const std::string kUserKey = std::string(R"(The value Sparvane under HKEY_CURRENT_USER\)") + kRunKey;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Widget, AutoStartBox, ::testing::Values(
    SwitchCase{"OnRefusedReportsTheDenial", sparvane::shell::switchAutoStartOn, {{Root::kCurrentUser, 5}},
               {{"Sparvane", kOld}}, {{"Sparvane", kOld}},
               kFailed + kUserKey + " could not be written: access is denied (Windows error 5).", msgbox::kExclamation},
    SwitchCase{"OffWithoutRightsOverTheMachineStillSucceeds", sparvane::shell::switchAutoStartOff,
               {{Root::kLocalMachine, 5}}, {}, {{"Sparvane", kOld}},
               "Sparvane will not run on windows startup", msgbox::kInformation},
    SwitchCase{"OffFailingForTheUserReportsTheError", sparvane::shell::switchAutoStartOff,
               {{Root::kCurrentUser, 1021}}, {{"Sparvane", kOld}}, {},
               kFailed + kUserKey + " could not be deleted: Windows error 1021.", msgbox::kExclamation}),
    [](const auto& testCase) { return std::string(testCase.param.name); });
// clang-format on

// Not a fixed path: the one of the program that runs (under Wine it is always the path a
// fixed one would name).
TEST(AutoStartBoxPath, StoresTheRunningProgramsOwnPath) {
    fakes::TestWorld world;
    auto info = world.app.info();  // for a second application in the same world
    info.exePath = R"(D:\Tools\spv\sparvane.exe)";
    forms::Application other(world.backend, info);

    sparvane::shell::switchAutoStartOn(other, world.registry);

    const Values& user = world.registry.strings[{Root::kCurrentUser, kRunKey}];
    EXPECT_EQ(user, (Values{{"Sparvane", R"("D:\Tools\spv\sparvane.exe")"}}));
}

}  // namespace

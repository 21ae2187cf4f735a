#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/test_world.h"
#include "shell/auto_start.h"

namespace {

namespace msgbox = forms::msgbox;

constexpr const char* kOnCommand =
    R"(REG add HKLM\Software\Microsoft\Windows\CurrentVersion\Run /v Sparvane /t REG_SZ )"
    R"(/d "\"C:\Program Files\Sparvane\sparvane.exe\"" /f)";
constexpr const char* kOffCommand =
    R"(REG add HKLM\Software\Microsoft\Windows\CurrentVersion\Run /v Sparvane /t REG_SZ /d "" /f)";

// The questions' and reports' texts, and the value reg.exe then stores, are read under
// Wine in 50_autostart.
struct SwitchCase {
    const char* name;
    std::function<void(forms::Application&, platform::Processes&)> click;
    const char* command;
    friend void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }
};

struct ToolOutcome {
    const char* name;
    platform::RunResult result;
    const char *reportStart, *reason;  // how the report begins, what else it must tell
    int style;
    friend void PrintTo(const ToolOutcome& o, std::ostream* os) { *os << o.name; }
};

class AutoStartBox : public ::testing::TestWithParam<std::tuple<SwitchCase, ToolOutcome>> {
protected:
    fakes::TestWorld world;
};

TEST_P(AutoStartBox, OkRunsTheToolOnceWithABoundedWaitAndReportsHowItWentCancelDoesNothing) {
    const auto& [box, outcome] = GetParam();
    const auto& shown = world.backend.messages;
    world.processes.nextResult = outcome.result;
    world.backend.answers = {msgbox::kAnswerOk, msgbox::kAnswerOk, msgbox::kAnswerCancel};
    box.click(world.app, world.processes);
    ASSERT_EQ(world.processes.commandLines, std::vector<std::string>{box.command});
    ASSERT_EQ(world.processes.timeouts.size(), 1u);
    EXPECT_TRUE(world.processes.timeouts[0] > 0 && world.processes.timeouts[0] <= 60000u) << "the wait is bounded";
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].style, msgbox::kOkCancel | msgbox::kQuestion);
    EXPECT_EQ(shown[1].text.rfind(outcome.reportStart, 0), 0u) << shown[1].text;
    EXPECT_NE(shown[1].text.find(outcome.reason), std::string::npos) << shown[1].text;
    EXPECT_EQ(shown[1].style, outcome.style);

    box.click(world.app, world.processes);  // declined this time
    EXPECT_EQ(world.processes.commandLines.size(), 1u);
    EXPECT_EQ(shown.size(), 3u);
}

const SwitchCase kBoxes[] = {{"On", sparvane::shell::switchAutoStartOn, kOnCommand},
                             {"Off", sparvane::shell::switchAutoStartOff, kOffCommand}};
constexpr const char* kFailed = "Auto-start could not be changed.";
constexpr int kWarning = msgbox::kExclamation;

INSTANTIATE_TEST_SUITE_P(
    Widget, AutoStartBox,
    ::testing::Combine(
        ::testing::ValuesIn(kBoxes),
        ::testing::Values(ToolOutcome{"Succeeds", {true, false, 0}, "Sparvane will ", "", msgbox::kInformation},
                          ToolOutcome{"ExitCode1", {true, false, 1}, kFailed, "failed with code 1", kWarning},
                          ToolOutcome{"ExitCode5", {true, false, 5}, kFailed, "failed with code 5", kWarning},
                          ToolOutcome{"TimedOut", {true, true, 0}, kFailed, "did not finish", kWarning},
                          ToolOutcome{"NotStarted", {false, false, 0}, kFailed, "could not be started", kWarning})),
    [](const auto& testCase) {
        return std::string(std::get<0>(testCase.param).name) + "_" + std::get<1>(testCase.param).name;
    });

// Under Wine the program runs from the default folder only when it switches auto-start on.
TEST(AutoStartBoxPath, StoresTheRunningProgramsOwnPath) {
    fakes::TestWorld world;
    auto info = world.app.info();  // for a second application in the same world
    info.exePath = R"(D:\Tools\spv\sparvane.exe)";
    forms::Application other(world.backend, info);

    sparvane::shell::switchAutoStartOn(other, world.processes);

    ASSERT_EQ(world.processes.commandLines.size(), 1u);
    EXPECT_NE(world.processes.commandLines[0].find(R"(/d "\"D:\Tools\spv\sparvane.exe\"" /f)"), std::string::npos)
        << world.processes.commandLines[0];
}

// What a C runtime program's argument parser reads back from the quoted form.
struct QuoteCase {
    const char *name, *argument, *quoted;
    friend void PrintTo(const QuoteCase& c, std::ostream* os) { *os << c.name; }
};

class QuoteArgument : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteArgument, ParsesBackToTheSameText) {
    EXPECT_EQ(sparvane::shell::quoteArgument(GetParam().argument), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(CommandLineRules, QuoteArgument,
                         ::testing::Values(QuoteCase{"Empty", "", R"("")"},
                                           QuoteCase{"Blank", R"(C:\Program Files\a.exe)",
                                                     R"("C:\Program Files\a.exe")"},
                                           QuoteCase{"Quotes", R"("C:\a b\x.exe")", R"("\"C:\a b\x.exe\"")"},
                                           // must not escape the closing quote
                                           QuoteCase{"TrailingBackslash", R"(C:\dir\)", R"("C:\dir\\")"},
                                           QuoteCase{"BackslashesBeforeAQuoteDouble", R"(a\\"b)", R"("a\\\\\"b")"},
                                           QuoteCase{"OtherBackslashesStay", R"(a\\b)", R"("a\\b")"}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace

// Which DPI the Win32 backend draws at, from what its lookups answered (0: missing or failed).
#include "forms/screen_dpi.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct DpiCase {
    const char* name;
    unsigned window;
    unsigned monitor;
    int system;
    int chosen;
    friend void PrintTo(const DpiCase& c, std::ostream* os) { *os << c.name; }
};

class ChooseDpi : public ::testing::TestWithParam<DpiCase> {};

TEST_P(ChooseDpi, TakesTheMostPreciseAnswerThere) {
    const DpiCase& c = GetParam();
    EXPECT_EQ(forms::chooseDpi(c.window, c.monitor, c.system), c.chosen);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lookups, ChooseDpi, ::testing::Values(
    // Windows 10 1607 and later: the window's own monitor, at 150 % beside a 100 % primary.
    DpiCase{"WindowOnSecondMonitor",        144, 96,  96,  144},
    DpiCase{"WindowOverridesMonitor",       120, 144, 96,  120},
    // Windows 8.1: no GetDpiForWindow; the monitor's answer beats the system DPI.
    DpiCase{"MonitorWithoutWindowLookup",   0,   144, 96,  144},
    DpiCase{"MonitorBelowSystem",           0,   96,  144, 96},
    // Windows 7 and 8, or both lookups failing: the screen DC's system DPI.
    DpiCase{"SystemOnly",                   0,   0,   120, 120},
    DpiCase{"NothingAnswers",               0,   0,   0,   96},
    DpiCase{"SystemGarbled",                0,   0,   -1,  96}),
    [](const auto& testCase) { return std::string(testCase.param.name); });
// clang-format on

}  // namespace

#include "shell/figure_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using sparvane::shell::compactFigure;

struct FigureCase {
    const char* name;
    double value;  // kilobits per second
    const char* decimal;
    const char* shown;
    friend void PrintTo(const FigureCase& c, std::ostream* os) { *os << c.name; }
};

class FigureDisplay : public ::testing::TestWithParam<FigureCase> {};

TEST_P(FigureDisplay, FitsInFiveCharactersWithoutCuttingDigits) {
    const FigureCase& c = GetParam();
    const std::string shown = compactFigure(c.value, c.decimal);
    EXPECT_EQ(shown, c.shown);
    EXPECT_LE(shown.size(), 5u) << shown;
}

// From nothing to seven digits (10 Gbit/s is 10,000,000 kilobits a second).
INSTANTIATE_TEST_SUITE_P(
    TinyToSevenDigits, FigureDisplay,
    ::testing::Values(
        FigureCase{"Zero", 0, ".", "0"}, FigureCase{"Tiny", 1e-05, ".", "0"},
        FigureCase{"TinyRoundsUp", 0.016, ".", "0.02"}, FigureCase{"OneDigit", 8.5, ".", "8.5"},
        FigureCase{"OneDigitTwoDecimals", 3.14159, ".", "3.14"}, FigureCase{"CarriesToTwoDigits", 9.996, ".", "10"},
        FigureCase{"TwoDigits", 20.16, ".", "20.2"}, FigureCase{"CarriesToThreeDigits", 99.96, ".", "100"},
        FigureCase{"FourDigits", 1205.28, ".", "1205"}, FigureCase{"FiveDigits", 99999.4, ".", "99999"},
        FigureCase{"FiveDigitsCarryToKilo", 99999.6, ".", "100k"}, FigureCase{"SixDigits", 123456.7, ".", "123k"},
        FigureCase{"SixDigitsCarryToMega", 999999.9, ".", "1M"}, FigureCase{"SevenDigits", 5123456.25, ".", "5.12M"},
        FigureCase{"SevenDigitsRound", 5000000, ".", "5M"}, FigureCase{"EightDigits", 12345678, ".", "12.3M"},
        FigureCase{"CommaDecimal", 20.16, ",", "20,2"}, FigureCase{"CommaDecimalScaled", 5123456.25, ",", "5,12M"}),
    [](const ::testing::TestParamInfo<FigureCase>& testCase) { return std::string(testCase.param.name); });

}  // namespace

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>

#include "network/number_text.h"

using namespace sparvane::network;

struct TotalCase {
    const char* name;
    std::uint64_t value;
    const char* thousands;
    const char* text;
    friend void PrintTo(const TotalCase& c, std::ostream* os) { *os << c.name; }
};
class TotalFormat : public testing::TestWithParam<TotalCase> {};
TEST_P(TotalFormat, GroupsByThreesAndLeavesZeroEmpty) {
    EXPECT_EQ(formatTotal(GetParam().value, GetParam().thousands), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Cases, TotalFormat,
                         testing::Values(TotalCase{"Zero", 0, ",", ""}, TotalCase{"ThreeDigits", 999, ",", "999"},
                                         TotalCase{"FourDigits", 1000, ",", "1,000"},
                                         TotalCase{"PointGroups", 123456, ".", "123.456"},
                                         TotalCase{"NoBreakSpaceGroups", 1234567, "\xC2\xA0", "1\xC2\xA0" "234\xC2\xA0" "567"},
                                         TotalCase{"Largest", UINT64_MAX, ",", "18,446,744,073,709,551,615"}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(TotalFormat, SignedFieldsKeepTheirSign) {
    EXPECT_EQ(formatTotal(std::int64_t{-1294967296}, ","), "-1,294,967,296");
}

struct GeneralCase {
    const char* name;
    double value;
    const char* decimal;
    const char* text;
    friend void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.name; }
};
class GeneralFormat : public testing::TestWithParam<GeneralCase> {};
TEST_P(GeneralFormat, WritesTheGeneralTextForm) {
    EXPECT_EQ(formatGeneral(GetParam().value, GetParam().decimal), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralFormat,
    testing::Values(GeneralCase{"Kilobytes", 12345 / 1000.0, ".", "12.345"},
                    GeneralCase{"NoLeadingZeroLost", 500 / 1000.0, ".", "0.5"},
                    GeneralCase{"NegativeZero", -0.0, ".", "0"}, GeneralCase{"WholeNumber", 100000, ".", "100000"},
                    GeneralCase{"CommaDecimal", 12345 / 1000.0 * 8, ",", "98,76"},
                    GeneralCase{"FifteenDigits", 1.0 / 3, ".", "0.333333333333333"},
                    GeneralCase{"Negative", -2.5, ".", "-2.5"},
                    GeneralCase{"LargeInENotation", 1234567890123456, ".", "1.23456789012346E+15"},
                    GeneralCase{"SmallInENotation", 0.00001, ".", "1E-05"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(SingleFormat, KeepsSevenSignificantDigits) {
    EXPECT_EQ(formatSingle(12.345f, ","), "12,345");
    EXPECT_EQ(formatSingle(1234.5678f, "."), "1234.568");
}

TEST(ParseNumber, ReadsWholeTextsInTheUsersSeparators) {
    EXPECT_EQ(parseNumber("1.234.567", ",", "."), 1234567.0);
    EXPECT_EQ(parseNumber("98,76", ",", "."), 98.76);
    EXPECT_EQ(parseNumber(" -12.5 ", ".", ","), -12.5);
    EXPECT_EQ(parseNumber("1E-05", ".", ","), 0.00001);
    EXPECT_EQ(parseNumber("", ".", ","), std::nullopt);
    EXPECT_EQ(parseNumber("12abc", ".", ","), std::nullopt);
    EXPECT_EQ(parseNumber("1E", ".", ","), std::nullopt);
}

TEST(ParseLeadingNumber, TakesTheNumericStartAndIgnoresTheRest) {
    EXPECT_EQ(parseLeadingNumber("12,345", ","), 12.345);
    EXPECT_EQ(parseLeadingNumber("12,345", "."), 12.0);
    EXPECT_EQ(parseLeadingNumber("abc", "."), 0.0);
    EXPECT_EQ(parseLeadingNumber("1.5E+3x", "."), 1500.0);
    EXPECT_EQ(parseLeadingNumber("2E", "."), 2.0);
}

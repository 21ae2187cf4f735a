#include <gtest/gtest.h>

#include <cstdint>

#include "network/number_text.h"

using namespace sparvane::network;

struct TotalCase {
    std::uint64_t value;
    const char* thousands;
    const char* text;
};
class TotalFormat : public testing::TestWithParam<TotalCase> {};
TEST_P(TotalFormat, GroupsByThreesAndLeavesZeroEmpty) {
    EXPECT_EQ(formatTotal(GetParam().value, GetParam().thousands), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Cases, TotalFormat,
                         testing::Values(TotalCase{0, ",", ""}, TotalCase{999, ",", "999"},
                                         TotalCase{1000, ",", "1,000"}, TotalCase{123456, ".", "123.456"},
                                         TotalCase{1234567, "\xC2\xA0", "1\xC2\xA0" "234\xC2\xA0" "567"},
                                         TotalCase{UINT64_MAX, ",", "18,446,744,073,709,551,615"}));

TEST(TotalFormat, SignedFieldsKeepTheirSign) {
    EXPECT_EQ(formatTotal(std::int64_t{-1294967296}, ","), "-1,294,967,296");
}

struct GeneralCase {
    double value;
    const char* decimal;
    const char* text;
};
class GeneralFormat : public testing::TestWithParam<GeneralCase> {};
TEST_P(GeneralFormat, WritesTheGeneralTextForm) {
    EXPECT_EQ(formatGeneral(GetParam().value, GetParam().decimal), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralFormat,
    testing::Values(GeneralCase{12345 / 1000.0, ".", "12.345"}, GeneralCase{500 / 1000.0, ".", "0.5"},
                    GeneralCase{-0.0, ".", "0"}, GeneralCase{100000, ".", "100000"},
                    GeneralCase{12345 / 1000.0 * 8, ",", "98,76"}, GeneralCase{1.0 / 3, ".", "0.333333333333333"},
                    GeneralCase{-2.5, ".", "-2.5"}, GeneralCase{1234567890123456, ".", "1.23456789012346E+15"},
                    GeneralCase{0.00001, ".", "1E-05"}));

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

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "network/number_text.h"

using namespace sparvane::network;

// Each case of a table is named by its first element.
const auto kCaseName = [](const auto& testCase) { return std::string(std::get<0>(testCase.param)); };

using Total = std::tuple<std::string, std::uint64_t, std::string, std::string>;
class TotalFormat : public testing::TestWithParam<Total> {};
TEST_P(TotalFormat, GroupsByThreesInTheUsersSeparator) {
    const auto& [name, value, thousands, text] = GetParam();
    EXPECT_EQ(formatTotal(value, thousands), text);
}
// Zero, "1,000" and "." groups are pinned by the tray tips of the traffic tests.
INSTANTIATE_TEST_SUITE_P(Cases, TotalFormat,
                         testing::Values(Total{"ThreeDigits", 999, ",", "999"},
                                         Total{"NoBreakSpaceGroups", 1234567, "\xC2\xA0",
                                               "1\xC2\xA0"
                                               "234\xC2\xA0"
                                               "567"}),
                         kCaseName);

using General = std::tuple<std::string, double, std::string, std::string>;
class GeneralFormat : public testing::TestWithParam<General> {};
TEST_P(GeneralFormat, WritesTheGeneralTextForm) {
    const auto& [name, value, decimal, text] = GetParam();
    EXPECT_EQ(formatGeneral(value, decimal), text);
}
// Plain decimals, whole numbers, negatives and the comma are pinned by the figures of the
// traffic tests; these are the forms no traffic figure takes.
INSTANTIATE_TEST_SUITE_P(Cases, GeneralFormat,
                         testing::Values(General{"FifteenDigits", 1.0 / 3, ".", "0.333333333333333"},
                                         General{"SmallInENotation", 0.00001, ".", "1E-05"}),
                         kCaseName);

TEST(SingleFormat, KeepsSevenSignificantDigits) {
    EXPECT_EQ(formatSingle(12.345f, ","), "12,345");
    EXPECT_EQ(formatSingle(1234.5678f, "."), "1234.568");
}

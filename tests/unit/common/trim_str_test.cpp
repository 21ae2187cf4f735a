#include "common/trim_str.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using sparvane::common::TrimStr;

namespace {

struct TrimCase {
    const char* name;
    std::string input;
    std::string expected;
    friend void PrintTo(const TrimCase& c, std::ostream* os) { *os << c.name; }
};

class TrimStrTable : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimStrTable, KeepsThePrintableSpan) { EXPECT_EQ(TrimStr(GetParam().input), GetParam().expected); }

// é is U+00E9 (233, unprintable), the no-break space U+00A0 (160) and ß U+00DF (223) are
// printable, à U+00E0 (224) is the first code above the range.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, TrimStrTable,
    ::testing::Values(
        TrimCase{"Empty", "", ""},
        TrimCase{"BlanksOnly", "     ", ""},
        TrimCase{"TabBlankLettersBlankCrLf", "\t abc \r\n", "abc"},
        TrimCase{"TrailingEAcuteIsStripped", "caf\xC3\xA9", "caf"},
        TrimCase{"EAcuteInTheMiddleStays", "r\xC3\xA9sum", "r\xC3\xA9sum"},
        TrimCase{"ControlCharactersOnly", "\x01\x02\x1F\x7F", ""},
        TrimCase{"BlankBetweenWordsStays", "   two words   ", "two words"},
        TrimCase{"NoBreakSpaceIsPrintableAtBothEnds", "\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0"},
        TrimCase{"SharpSIsTheLastPrintableCode", " \xC3\x9F ", "\xC3\x9F"},
        TrimCase{"AGraveIsNotPrintable", "\xC3\xA0x\xC3\xA0", "x"},
        TrimCase{"C1ControlsAreStripped", "\xC2\x85x\xC2\x9F", "x"},
        TrimCase{"CodesAbove255AreStripped", "\xC5\x81ukasz\xE2\x82\xAC", "ukasz"},
        TrimCase{"FourByteCharactersAreStripped", "\xF0\x9F\x98\x80ok\xF0\x9F\x98\x80", "ok"},
        TrimCase{"UnprintableBetweenPrintablesStays", "a\t\xE2\x82\xAC b", "a\t\xE2\x82\xAC b"},
        TrimCase{"InvalidBytesCountAsUnprintable", "\xFF\xC3x\x80\xBF", "x"},
        TrimCase{"LoneContinuationAfterPrintableIsStripped", "x\xA0", "x"},
        TrimCase{"SingleCharacter", "~", "~"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });
// clang-format on

}  // namespace

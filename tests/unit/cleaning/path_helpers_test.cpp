#include <gtest/gtest.h>

#include "cleaning/path_helpers.h"
#include "cleaning/size_display.h"
#include "fakes/fake_file_system.h"

using namespace sparvane::cleaning;

struct SeparatorCase {
    std::string path;
    std::string added;
    std::string removed;
};

class TrailingSeparator : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(TrailingSeparator, IsAddedOrRemovedOnceAfterTrimming) {
    EXPECT_EQ(AddTrailingSeparator(GetParam().path), GetParam().added);
    EXPECT_EQ(RemoveTrailingSeparator(GetParam().path), GetParam().removed);
}

INSTANTIATE_TEST_SUITE_P(Paths, TrailingSeparator,
                         ::testing::Values(SeparatorCase{"C:\\Temp", "C:\\Temp\\", "C:\\Temp"},
                                           SeparatorCase{"C:\\Temp\\", "C:\\Temp\\", "C:\\Temp"},
                                           SeparatorCase{"C:\\Temp\\\\", "C:\\Temp\\\\", "C:\\Temp\\"},
                                           SeparatorCase{" \tC:\\Temp\\ \r\n", "C:\\Temp\\", "C:\\Temp"},
                                           SeparatorCase{"", "\\", ""}));

TEST(GetProperCasePath, ExpandsShortComponentsIntoProperCaseLongNames) {
    fakes::FakeFileSystem fs;
    fs.addFolder("C:\\Documents and Settings\\TESTER\\LOCAL SETTINGS\\Temp");
    fs.addShortName("C:\\Documents and Settings", "DOCUME~1");
    fs.addShortName("C:\\Documents and Settings\\TESTER\\LOCAL SETTINGS", "LOCALS~1");
    EXPECT_EQ(GetProperCasePath(fs, "c:\\DOCUME~1\\tester\\LOCALS~1\\TEMP\\"),
              "C:\\Documents And Settings\\Tester\\Local Settings\\Temp");
}

TEST(GetProperCasePath, AnyMissingComponentGivesUnknown) {
    fakes::FakeFileSystem fs;
    fs.addFolder("C:\\Users\\Tester");
    EXPECT_EQ(GetProperCasePath(fs, "C:\\Users\\Nobody\\Temp"), "[Unknown]");
    EXPECT_EQ(GetProperCasePath(fs, "C:\\Users\\Tester\\Temp\\"), "[Unknown]");  // the last one is looked up too
}

TEST(GetProperCasePath, KeepsNamesEndingInAccentedLetters) {
    // Trimming "José" to "Jos" would lead to another user's folder.
    fakes::FakeFileSystem fs;
    fs.addFolder("C:\\Users\\José\\Temp");
    fs.addFolder("C:\\Users\\Jos\\Temp");
    EXPECT_EQ(GetProperCasePath(fs, "C:\\Users\\José\\Temp\\"), "C:\\Users\\José\\Temp");
}

struct KilobyteCase {
    std::uint64_t bytes;
    std::string separator;
    std::string shown;
};

class KilobyteDisplay : public ::testing::TestWithParam<KilobyteCase> {};

TEST_P(KilobyteDisplay, RoundsHalfToEvenAndGroupsDigits) {
    EXPECT_EQ(FormatKilobytes(GetParam().bytes, GetParam().separator), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Sizes, KilobyteDisplay,
                         ::testing::Values(KilobyteCase{0, ",", "0"}, KilobyteCase{511, ",", "0"},
                                           KilobyteCase{1535, ",", "1"}, KilobyteCase{1536, ",", "2"},
                                           KilobyteCase{2560, ",", "2"}, KilobyteCase{3584, ",", "4"},
                                           KilobyteCase{1536000, ",", "1,500"},
                                           KilobyteCase{1024000, ".", "1.000"},
                                           KilobyteCase{999424, ",", "976"},
                                           KilobyteCase{1234567ull * 1024, "\xC2\xA0", "1\xC2\xA0" "234\xC2\xA0" "567"}));

struct ReadCase {
    std::string caption;
    std::string separator;
    std::uint64_t number;
};

class ShownNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ShownNumber, ReadsLeadingDigitsWithoutGroupSeparators) {
    EXPECT_EQ(ReadShownNumber(GetParam().caption, GetParam().separator), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Captions, ShownNumber,
                         ::testing::Values(ReadCase{"35", ",", 35}, ReadCase{"1,000", ",", 1000},
                                           ReadCase{"1.000", ".", 1000}, ReadCase{"36 Kbs left", ",", 36},
                                           ReadCase{"Label4", ",", 0}, ReadCase{"", ",", 0},
                                           ReadCase{"1\xC2\xA0" "000", "\xC2\xA0", 1000},
                                           ReadCase{"99999999999999999999999", ",", UINT64_MAX}));

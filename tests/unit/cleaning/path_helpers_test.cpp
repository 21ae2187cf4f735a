#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "cleaning/path_helpers.h"
#include "cleaning/size_display.h"
#include "fakes/fake_file_system.h"

using namespace sparvane::cleaning;

TEST(GetProperCasePath, ExpandsShortNamesToProperCaseAndGivesUnknownForAMissingComponent) {
    fakes::FakeFileSystem fs;
    fs.addFolder("C:\\Documents and Settings\\TESTER\\LOCAL SETTINGS\\Temp");
    fs.addShortName("C:\\Documents and Settings", "DOCUME~1");
    fs.addShortName("C:\\Documents and Settings\\TESTER\\LOCAL SETTINGS", "LOCALS~1");
    EXPECT_EQ(GetProperCasePath(fs, "c:\\DOCUME~1\\tester\\LOCALS~1\\TEMP\\"),
              "C:\\Documents And Settings\\Tester\\Local Settings\\Temp");
    EXPECT_EQ(GetProperCasePath(fs, "C:\\Documents and Settings\\Nobody\\"), "[Unknown]");
    EXPECT_EQ(GetProperCasePath(fs, "C:\\DOCUME~1\\TESTER\\Temp\\"), "[Unknown]");  // the last one is looked up too
    // Trimming "José" to "Jos" would lead to another user's folder.
    fs.addFolder("C:\\Users\\José\\Temp");
    fs.addFolder("C:\\Users\\Jos\\Temp");
    EXPECT_EQ(GetProperCasePath(fs, "C:\\Users\\José\\Temp\\"), "C:\\Users\\José\\Temp");
}

using Caption = std::tuple<std::string, std::string, std::string, std::uint64_t>;
class ShownNumber : public ::testing::TestWithParam<Caption> {};

TEST_P(ShownNumber, ReadsLeadingDigitsWithoutGroupSeparators) {
    const auto& [name, caption, separator, number] = GetParam();
    EXPECT_EQ(ReadShownNumber(caption, separator), number);
}

INSTANTIATE_TEST_SUITE_P(Captions, ShownNumber,
                         ::testing::Values(Caption{"NumberAndUnit", "36 Kbs left", ",", 36},
                                           Caption{"DesignText", "Label4", ",", 0}, Caption{"Empty", "", ",", 0},
                                           Caption{"NoBreakSpaceGroups",
                                                   "1\xC2\xA0"
                                                   "000",
                                                   "\xC2\xA0", 1000}),
                         [](const auto& testCase) { return std::string(std::get<0>(testCase.param)); });

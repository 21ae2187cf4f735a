#include <gtest/gtest.h>

#include "cleaning/path_helpers.h"
#include "fakes/fake_file_system.h"

using namespace sparvane::cleaning;

TEST(ProperCasePath, ExpandsShortNamesToProperCaseAndGivesUnknownForAMissingComponent) {
    fakes::FakeFileSystem fs;
    fs.addFolder("C:\\Documents and Settings\\TESTER\\LOCAL SETTINGS\\Temp");
    fs.addShortName("C:\\Documents and Settings", "DOCUME~1");
    fs.addShortName("C:\\Documents and Settings\\TESTER\\LOCAL SETTINGS", "LOCALS~1");
    EXPECT_EQ(getProperCasePath(fs, "c:\\DOCUME~1\\tester\\LOCALS~1\\TEMP\\"),
              "C:\\Documents And Settings\\Tester\\Local Settings\\Temp");
    EXPECT_EQ(getProperCasePath(fs, "C:\\Documents and Settings\\Nobody\\"), "[Unknown]");
    EXPECT_EQ(getProperCasePath(fs, "C:\\DOCUME~1\\TESTER\\Temp\\"), "[Unknown]");  // the last one is looked up too
    // Trimming "José" to "Jos" would lead to another user's folder.
    fs.addFolder("C:\\Users\\José\\Temp");
    fs.addFolder("C:\\Users\\Jos\\Temp");
    EXPECT_EQ(getProperCasePath(fs, "C:\\Users\\José\\Temp\\"), "C:\\Users\\José\\Temp");
}

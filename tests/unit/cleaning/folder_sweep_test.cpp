#include <gtest/gtest.h>

#include <algorithm>

#include "cleaning/clean_up.h"
#include "cleaning_world.h"

using namespace sparvane::cleaning;
using cleaning_test::CleaningWorld;
using cleaning_test::treeOf;
namespace fa = platform::file_attribute;

namespace {

const std::string kTemp = CleaningWorld::kTemp;
const std::string kOutside = "C:\\Users\\Tester\\Documents\\Precious";

std::string key(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    return path;
}

}  // namespace

class TempSweep : public cleaning_test::CleaningTest {};

TEST_F(TempSweep, EmptiesTempButNeverReachesThroughLinksOrFilesInUse) {
    auto& fs = w.fileSystem;
    fs.readOnlyBlocksDeletion = true;
    fs.addFile(kOutside + "\\canary.txt", 10);
    fs.addFile(kOutside + "\\sub\\canary2.txt", 10);
    fs.addFile(kTemp + "\\readonly.tmp", 100, fa::kReadOnly);
    fs.addFile(kTemp + "\\hidden.tmp", 100, fa::kHidden | fa::kSystem);
    fs.addFolder(kTemp + "\\setup", fa::kDirectory | fa::kReadOnly);
    fs.addFile(kTemp + "\\setup\\deep\\x.cab", 5000, fa::kReadOnly | fa::kHidden);
    fs.addFolderLink(kTemp + "\\setup\\escape", kOutside);
    fs.addFolderLink(kTemp + "\\outside", kOutside);
    fs.addFile(kTemp + "\\inuse\\open.log", 10);
    fs.lock(kTemp + "\\inuse\\open.log");
    const auto outsideBefore = treeOf(fs, "C:\\Users\\Tester\\Documents");

    EXPECT_TRUE(CleanTempFolder(w.ctx));

    EXPECT_EQ(treeOf(fs, kTemp),
              (std::set<std::string>{"inuse", "inuse\\open.log", "outside", "setup", "setup\\escape"}));
    EXPECT_EQ(treeOf(fs, "C:\\Users\\Tester\\Documents"), outsideBefore);
    // Nothing was ever done to a link: not listed, not stripped of attributes, not deleted.
    for (const auto& entry : fs.log)
        EXPECT_TRUE(entry.find("outside") == std::string::npos && entry.find("escape") == std::string::npos) << entry;
}

TEST_F(TempSweep, ListsEachFolderOnceCompletelyThenDeletesLastFirstWithAttributesCleared) {
    auto& fs = w.fileSystem;
    fs.addFile(kTemp + "\\1.tmp");
    fs.addFile(kTemp + "\\2\\inner.tmp", 1, fa::kHidden);
    fs.addFile(kTemp + "\\3.tmp", 1, fa::kReadOnly);
    fs.log.clear();

    DeleteFolderContents(w.ctx, kTemp);

    const std::string t = key(kTemp);
    const std::vector<std::string> expected{
        "list:" + t,                                       // the whole level first
        "attr:" + t + "\\3.tmp",  "del:" + t + "\\3.tmp",  // then the last entry first
        "attr:" + t + "\\2",      "list:" + t + "\\2",    "attr:" + t + "\\2\\inner.tmp",
        "del:" + t + "\\2\\inner.tmp", "rmdir:" + t + "\\2",
        "attr:" + t + "\\1.tmp",  "del:" + t + "\\1.tmp"};
    EXPECT_EQ(fs.log, expected);
    for (const auto& [path, value] : fs.attributeWrites) EXPECT_EQ(value, 0u) << path;
    EXPECT_GE(w.backend.doEventsCalls, 3);  // a long listing lets events through
}

TEST_F(TempSweep, FolderTurnedIntoALinkWhileEventsRanIsLeftAlone) {
    auto& fs = w.fileSystem;
    fs.addFile(kOutside + "\\canary.txt");
    fs.addFile(kTemp + "\\cache\\x.tmp");
    // Between the listing and the deletion "cache" is replaced by a link outside.
    w.backend.onDoEvents = [&] {
        w.backend.onDoEvents = nullptr;
        fs.addFolderLink(kTemp + "\\cache", kOutside);
    };
    DeleteFolderContents(w.ctx, kTemp);
    EXPECT_TRUE(fs.has(kOutside + "\\canary.txt"));
    EXPECT_TRUE(fs.has(kTemp + "\\cache"));
}

struct TempPathCase {
    std::optional<std::string> reported;
    std::string sweptFolder;  // "" when nothing may be swept
};
class TempFolderChecks : public TempSweep, public ::testing::WithParamInterface<TempPathCase> {};

TEST_P(TempFolderChecks, SweepsOnlyAnExistingFolderNamedTemp) {
    auto& fs = w.fileSystem;
    const std::string kShortTemp = "C:\\Documents and Settings\\Tester\\Local Settings\\Temp";
    const std::vector<std::string> folders{kTemp, "C:\\Users\\Tester\\AppData\\Local\\tmp", "C:\\Temp", kShortTemp,
                                           "[Unknown]"};
    for (const auto& folder : folders) fs.addFile(folder + "\\junk.tmp");
    fs.addShortName("C:\\Documents and Settings", "DOCUME~1");
    fs.addShortName("C:\\Documents and Settings\\Tester\\Local Settings", "LOCALS~1");
    fs.temp = GetParam().reported;

    EXPECT_EQ(CleanTempFolder(w.ctx), !GetParam().sweptFolder.empty());
    for (const auto& folder : folders)
        EXPECT_EQ(fs.has(folder + "\\junk.tmp"), key(folder) != key(GetParam().sweptFolder)) << folder;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TempFolderChecks,
    ::testing::Values(TempPathCase{"C:\\Users\\Tester\\AppData\\Local\\Temp\\", kTemp},
                      TempPathCase{"  c:\\users\\tester\\appdata\\local\\TEMP\r\n", kTemp},
                      TempPathCase{"C:\\DOCUME~1\\Tester\\LOCALS~1\\Temp\\",
                                   "C:\\Documents and Settings\\Tester\\Local Settings\\Temp"},
                      TempPathCase{"C:\\Temp\\", "C:\\Temp"},
                      TempPathCase{"C:\\Users\\Tester\\AppData\\Local\\tmp\\", ""},
                      TempPathCase{"C:\\Users\\Nobody\\Temp\\", ""},  // missing: expands to [Unknown]
                      TempPathCase{"C:\\", ""}, TempPathCase{"", ""}, TempPathCase{std::nullopt, ""}));

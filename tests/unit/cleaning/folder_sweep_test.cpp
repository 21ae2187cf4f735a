#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "cleaning/clean_up.h"
#include "cleaning_world.h"

using namespace sparvane::cleaning;
using cleaning_test::CleaningWorld;
using cleaning_test::treeOf;
namespace fa = platform::file_attribute;

namespace {

const std::string kTemp = CleaningWorld::kTemp;
const std::string kOutside = "C:\\Users\\Tester\\Documents\\Precious";

// A temp folder with nested folders, protected files, a file in use and links that lead
// outside it to a folder holding a canary.
void fillTemp(fakes::FakeFileSystem& fs) {
    fs.readOnlyBlocksDeletion = true;
    fs.addFile(kOutside + "\\canary.txt", 10);
    fs.addFile(kOutside + "\\sub\\canary2.txt", 10);
    fs.addFile(kTemp + "\\a.tmp", 100);
    fs.addFile(kTemp + "\\readonly.tmp", 100, fa::kReadOnly);
    fs.addFile(kTemp + "\\hidden.tmp", 100, fa::kHidden | fa::kSystem);
    fs.addFolder(kTemp + "\\setup", fa::kDirectory | fa::kReadOnly);
    fs.addFile(kTemp + "\\setup\\deep\\deeper\\x.cab", 5000, fa::kReadOnly | fa::kHidden);
    fs.addFolderLink(kTemp + "\\setup\\escape", kOutside);
    fs.addFolderLink(kTemp + "\\outside", kOutside);
    fs.addFolder(kTemp + "\\inuse");
    fs.addFile(kTemp + "\\inuse\\open.log", 10);
    fs.lock(kTemp + "\\inuse\\open.log");
    fs.addFile(kTemp + "\\z.tmp", 1);
}

std::string key(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    return path;
}

}  // namespace

TEST(TempSweep, EmptiesTempButNeverReachesThroughLinksOrFilesInUse) {
    CleaningWorld w;
    fillTemp(w.fileSystem);
    const auto outsideBefore = treeOf(w.fileSystem, "C:\\Users\\Tester\\Documents");

    EXPECT_TRUE(CleanTempFolder(w.ctx));

    EXPECT_EQ(treeOf(w.fileSystem, kTemp),
              (std::set<std::string>{"inuse", "inuse\\open.log", "outside", "setup", "setup\\escape"}));
    EXPECT_EQ(treeOf(w.fileSystem, "C:\\Users\\Tester\\Documents"), outsideBefore);
    EXPECT_TRUE(w.fileSystem.exists(kTemp));
    // Nothing was ever done to a link: not listed, not stripped of attributes, not deleted.
    for (const auto& entry : w.fileSystem.log) EXPECT_EQ(entry.find("outside"), std::string::npos) << entry;
    for (const auto& entry : w.fileSystem.log) EXPECT_EQ(entry.find("escape"), std::string::npos) << entry;
}

TEST(TempSweep, ListsEachFolderOnceCompletelyThenDeletesLastFirstWithAttributesCleared) {
    CleaningWorld w;
    auto& fs = w.fileSystem;
    fs.addFile(kTemp + "\\1.tmp");
    fs.addFolder(kTemp + "\\2");
    fs.addFile(kTemp + "\\2\\inner.tmp", 1, fa::kHidden);
    fs.addFile(kTemp + "\\3.tmp", 1, fa::kReadOnly);
    // Events during the listing must not see any deletion: the listing comes first.
    std::size_t deletionsSeenDuringListing = 0;
    int calls = 0;
    w.backend.onDoEvents = [&] {
        if (++calls <= 3)
            deletionsSeenDuringListing += std::count_if(fs.log.begin(), fs.log.end(), [](const std::string& e) {
                return e.rfind("del:", 0) == 0 || e.rfind("rmdir:", 0) == 0;
            });
    };
    fs.log.clear();

    DeleteFolderContents(w.ctx, kTemp);

    const std::string t = key(kTemp);
    const std::vector<std::string> expected{
        "list:" + t,                                    // the whole level first
        "attr:" + t + "\\3.tmp",  "del:" + t + "\\3.tmp",  // then the last entry first
        "attr:" + t + "\\2",      "list:" + t + "\\2",    "attr:" + t + "\\2\\inner.tmp",
        "del:" + t + "\\2\\inner.tmp", "rmdir:" + t + "\\2",
        "attr:" + t + "\\1.tmp",  "del:" + t + "\\1.tmp"};
    EXPECT_EQ(fs.log, expected);
    for (const auto& [path, value] : fs.attributeWrites) EXPECT_EQ(value, 0u) << path;
    EXPECT_GE(w.backend.doEventsCalls, 4);  // once per entry fetched
    EXPECT_EQ(deletionsSeenDuringListing, 0u);
    EXPECT_TRUE(fs.childrenOf(kTemp).empty());
}

TEST(TempSweep, EntryArrivingDuringTheSweepIsNotListedTwiceNorDeleted) {
    CleaningWorld w;
    auto& fs = w.fileSystem;
    fs.addFile(kTemp + "\\old.tmp");
    bool added = false;
    w.backend.onDoEvents = [&] {
        if (!added) fs.addFile(kTemp + "\\new.tmp");
        added = true;
    };
    DeleteFolderContents(w.ctx, kTemp);
    EXPECT_EQ(fs.childrenOf(kTemp), std::vector<std::string>{"new.tmp"});
    EXPECT_EQ(std::count(fs.log.begin(), fs.log.end(), "list:" + key(kTemp)), 1);
}

TEST(TempSweep, FolderTurnedIntoALinkWhileEventsRanIsLeftAlone) {
    CleaningWorld w;
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

class TempFolderChecks : public ::testing::TestWithParam<TempPathCase> {};

TEST_P(TempFolderChecks, SweepsOnlyAnExistingFolderNamedTemp) {
    CleaningWorld w;
    auto& fs = w.fileSystem;
    for (const char* folder : {"C:\\Users\\Tester\\AppData\\Local\\Temp", "C:\\Users\\Tester\\AppData\\Local\\tmp",
                               "C:\\Temp", "C:\\Users\\José\\Temp", "C:\\Users\\Jos\\Temp", "[Unknown]"})
        fs.addFile(std::string(folder) + "\\junk.tmp");
    fs.addFolder("C:\\Documents and Settings\\Tester\\Local Settings\\Temp");
    fs.addFile("C:\\Documents and Settings\\Tester\\Local Settings\\Temp\\junk.tmp");
    fs.addShortName("C:\\Documents and Settings", "DOCUME~1");
    fs.addShortName("C:\\Documents and Settings\\Tester\\Local Settings", "LOCALS~1");
    fs.temp = GetParam().reported;
    const auto before = treeOf(fs, "C:\\");

    const bool swept = !GetParam().sweptFolder.empty();
    EXPECT_EQ(CleanTempFolder(w.ctx), swept);

    auto removed = before;
    for (const auto& p : treeOf(fs, "C:\\")) removed.erase(p);
    if (swept) {
        ASSERT_EQ(removed.size(), 1u);  // exactly the one junk file of the right folder
        EXPECT_EQ(key("C:\\" + *removed.begin()), key(GetParam().sweptFolder + "\\junk.tmp"));
    } else {
        EXPECT_TRUE(removed.empty());
    }
    EXPECT_TRUE(fs.has("[Unknown]\\junk.tmp"));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TempFolderChecks,
    ::testing::Values(TempPathCase{"C:\\Users\\Tester\\AppData\\Local\\Temp\\", kTemp},
                      TempPathCase{"c:\\users\\tester\\appdata\\local\\TEMP", kTemp},
                      TempPathCase{"  C:\\Users\\Tester\\AppData\\Local\\Temp\\\r\n", kTemp},
                      TempPathCase{"C:\\DOCUME~1\\Tester\\LOCALS~1\\Temp\\",
                                   "C:\\Documents and Settings\\Tester\\Local Settings\\Temp"},
                      TempPathCase{"C:\\Users\\José\\Temp\\", "C:\\Users\\José\\Temp"},
                      TempPathCase{"C:\\Temp\\", "C:\\Temp"},
                      TempPathCase{"C:\\Users\\Tester\\AppData\\Local\\tmp\\", ""},
                      TempPathCase{"C:\\Users\\Nobody\\Temp\\", ""},  // expands to [Unknown]
                      TempPathCase{"C:\\", ""}, TempPathCase{"", ""}, TempPathCase{std::nullopt, ""}));

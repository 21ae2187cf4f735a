#include <gtest/gtest.h>

#include <ostream>

#include "cleaning/clean_up.h"
#include "cleaning/clean_up_window.h"
#include "cleaning/recent_folder_window.h"
#include "cleaning_world.h"
#include "shell/widget_window.h"

using namespace sparvane::cleaning;
using cleaning_test::CleaningWorld;
using sparvane::shell::WidgetWindow;
namespace fa = platform::file_attribute;

struct BinCase {
    std::string name;
    std::string drives;  // roots joined by NUL, as the system writes them
    std::map<std::string, int> types;
    std::uint64_t items;
    forms::WindowHandle active;
    std::string failQueryOn;  // "" none, "*" every drive, or one root
    bool failEmpty, result;
    std::size_t emptyCalls, queries;
    friend void PrintTo(const BinCase& c, std::ostream* os) { *os << c.name; }
};
class RecycleBins : public ::testing::TestWithParam<BinCase> {};

TEST_P(RecycleBins, EmptyAllBinsOnceWhenAFixedDriveHoldsItems) {
    const auto& c = GetParam();
    CleaningWorld w;
    w.fileSystem.drives = c.drives;
    w.fileSystem.driveTypes = c.types;
    w.recycleBin.items = c.items;
    w.recycleBin.failQueryOn = c.failQueryOn;
    w.recycleBin.failEmpty = c.failEmpty;
    w.windows.active = c.active;
    int eventRuns = 0;
    w.backend.onDoEvents = [&] { ++eventRuns; };

    EXPECT_EQ(emptyRecycleBins(w.fileSystem, w.recycleBin, w.windows, w.pacing), c.result);
    // The window's events run during every query and emptying.
    EXPECT_EQ(eventRuns, static_cast<int>(c.queries + c.emptyCalls));
    EXPECT_EQ(w.recycleBin.emptyCalls.size(), c.emptyCalls);
    EXPECT_EQ(w.recycleBin.queried.size(), c.queries);
    for (std::size_t i = 0; i < w.recycleBin.emptyCalls.size(); ++i) {
        EXPECT_EQ(w.recycleBin.emptyCalls[i], c.active);  // owner 0 when none of our windows is active
        EXPECT_EQ(w.recycleBin.emptyFlags[i], 7u);        // no confirmation, progress or sound
    }
    if (c.result && c.emptyCalls == 1) {
        EXPECT_EQ(w.recycleBin.items, 0u);
        EXPECT_EQ(w.recycleBin.iconUpdates, 1);
    }
}

const std::string kCZ = std::string("C:\\\0Z:\\\0", 8);
const std::map<std::string, int> kBothFixed{{"C:\\", 3}, {"Z:\\", 3}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Drives, RecycleBins,
    ::testing::Values(
        BinCase{"NoActiveWindow", kCZ, kBothFixed, 5, 0, "", false, true, 1, 2},
        BinCase{"FixedButEmpty", kCZ, kBothFixed, 0, 0x99, "", false, true, 0, 2},
        BinCase{"OnlyCdRom", std::string("D:\\\0", 4), {{"D:\\", 5}}, 5, 0x99, "", false, false, 0, 0},
        BinCase{"CdRomPassedOver", std::string("D:\\\0C:\\\0", 8), {{"D:\\", 5}, {"C:\\", 3}}, 5, 0x99, "",
                false, true, 1, 1},
        // The first drive's bin cannot be looked at: the second is still emptied, and the task fails.
        BinCase{"OneDrivesQueryFails", kCZ, kBothFixed, 5, 0x99, "C:\\", false, false, 1, 2},
        BinCase{"EmptyingRefused", kCZ, kBothFixed, 5, 0x99, "", true, false, 1, 1},
        BinCase{"NoDriveList", "", {}, 5, 0x99, "", false, false, 0, 0}),
    [](const auto& testCase) { return testCase.param.name; });
// clang-format on

struct RecentList : cleaning_test::CleaningTest {
    void SetUp() override {
        w.fileSystem.addFile(recent + "\\report.docx.lnk", 900);
        w.fileSystem.addFile(recent + "\\HOLIDAY.LNK", 900, fa::kReadOnly | fa::kHidden);
        w.fileSystem.addFile(recent + "\\desktop.ini", 80, fa::kHidden | fa::kSystem);
        w.fileSystem.addFile(recent + "\\AutomaticDestinations\\a.lnk", 900);
        w.fileSystem.addFile("C:\\Outside\\keep.lnk", 1);
        w.fileSystem.addFolderLink(recent + "\\linked.lnk", "C:\\Outside");
    }
};

TEST_F(RecentList, ShortcutsTheShellLeftAreRemovedAndOnlyThen) {
    // As under Wine: the shell forgets the list but leaves its shortcuts.
    EXPECT_TRUE(clearRecentDocuments(w.recentDocuments, w.fileSystem));
    EXPECT_EQ(w.recentDocuments.clears, 1);
    EXPECT_FALSE(w.fileSystem.has(recent + "\\report.docx.lnk"));
    EXPECT_FALSE(w.fileSystem.has(recent + "\\HOLIDAY.LNK"));
    EXPECT_TRUE(w.fileSystem.has(recent + "\\desktop.ini"));
    EXPECT_TRUE(w.fileSystem.has(recent + "\\AutomaticDestinations\\a.lnk"));
    EXPECT_TRUE(w.fileSystem.has("C:\\Outside\\keep.lnk"));  // a folder link is no shortcut
}

TEST_F(RecentList, AShortcutThatStaysMakesTheTaskFail) {
    w.fileSystem.lock(recent + "\\report.docx.lnk");
    EXPECT_FALSE(clearRecentDocuments(w.recentDocuments, w.fileSystem));
    EXPECT_FALSE(w.fileSystem.has(recent + "\\HOLIDAY.LNK"));  // the others still go
}

TEST_F(RecentList, ShortcutsWhoseNamesLeadElsewhereAreLeftAloneAndTheTaskFails) {
    // Unix names Wine lists verbatim: joined into a path they would name files outside.
    w.fileSystem.addFile("C:\\Users\\Tester\\AppData\\Roaming\\Microsoft\\keep.lnk", 5);
    w.fileSystem.addUnixName(recent, "..\\..\\keep.lnk");
    w.fileSystem.addFileLink(recent + "\\outside.lnk", "C:\\Outside\\keep.lnk");
    EXPECT_FALSE(clearRecentDocuments(w.recentDocuments, w.fileSystem));
    EXPECT_TRUE(w.fileSystem.has("C:\\Users\\Tester\\AppData\\Roaming\\Microsoft\\keep.lnk"));
    EXPECT_TRUE(w.fileSystem.has("C:\\Outside\\keep.lnk"));
    EXPECT_TRUE(w.fileSystem.has(recent + "\\outside.lnk"));
    EXPECT_FALSE(w.fileSystem.has(recent + "\\report.docx.lnk"));
}

TEST_F(RecentList, ShellFailureOrMissingFolderIsNoSuccess) {
    w.recentDocuments.result = 1;
    EXPECT_FALSE(clearRecentDocuments(w.recentDocuments, w.fileSystem));
    w.recentDocuments.result = 0;
    w.fileSystem.specialFolders.clear();
    EXPECT_FALSE(clearRecentDocuments(w.recentDocuments, w.fileSystem));
}

// Clean Junk: every task at once, from the widget.
struct CleanJunkTest : cleaning_test::CleaningTest {
    void SetUp() override {
        w.fileSystem.addFile(temp + "\\a\\b\\c.tmp", 100);
        w.fileSystem.addFile(temp + "\\d.tmp", 100, fa::kReadOnly);
        w.fileSystem.addFile(recent + "\\big.doc.lnk", 80 * kKilobyte);
        w.fileSystem.addFile(recent + "\\sub\\kept.dat", 80 * kKilobyte);  // not a shortcut: stays
        w.recycleBin.items = 4;
        w.app.form<RecentFolderWindow>().viewButton.setValue(true);
        w.app.form<RecentFolderWindow>().colourButton.setValue(true);
    }
    void cleanJunk() { w.app.form<WidgetWindow>().cleanJunkButton.setValue(true); }
    CleanUpWindow& cleanUp() { return w.app.form<CleanUpWindow>(); }
};

TEST_F(CleanJunkTest, RunsEveryTaskHiddenThenLeavesTheFrameGreenEvenWhenJunkRemains) {
    ASSERT_EQ(w.app.form<WidgetWindow>().junkFrame.borderColor(), JunkMeter::kFrameDarkRed);
    bool shownDuringRun = false;
    w.backend.onDoEvents = [&] { shownDuringRun = shownDuringRun || cleanUp().visible(); };

    cleanJunk();

    EXPECT_TRUE(w.fileSystem.childrenOf(temp).empty());
    EXPECT_FALSE(w.fileSystem.has(recent + "\\big.doc.lnk"));
    EXPECT_EQ(w.recycleBin.items, 0u);
    EXPECT_EQ(w.recentDocuments.clears, 1);
    EXPECT_EQ(w.app.form<RecentFolderWindow>().sizeLabel.caption(), "80");
    EXPECT_EQ(w.app.form<WidgetWindow>().junkFrame.borderColor(), JunkMeter::kFrameGreen);
    EXPECT_FALSE(cleanUp().visible());
    EXPECT_FALSE(shownDuringRun);
}

// A run the user left with a task unchecked: Clean Junk selects all three again, and the
// boxes show it.
TEST_F(CleanJunkTest, SelectsEveryTaskForItsRun) {
    cleanUp().taskBoxes[2]->userClick();
    cleanJunk();
    EXPECT_EQ(w.recentDocuments.clears, 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(cleanUp().taskBoxes[i]->value(), 1) << i;
    EXPECT_EQ(cleanUp().selectAllBox.value(), 1);
}

// Presses while the bins are emptied (events run then) wait for the run: one more run
// follows it, never one inside it.
TEST_F(CleanJunkTest, PressesDuringARunWaitAndRunOnceAfterIt) {
    w.recycleBin.duringEmptying = [&] {
        cleanJunk();
        cleanJunk();
    };
    std::vector<std::size_t> queriesAtEachClear;
    w.recentDocuments.onClear = [&] { queriesAtEachClear.push_back(w.recycleBin.queried.size()); };
    cleanJunk();
    EXPECT_EQ(queriesAtEachClear, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(w.recycleBin.emptyCalls.size(), 1u);
    EXPECT_TRUE(cleanUp().okButton.enabled() && cleanUp().taskBoxes[0]->visible());
}

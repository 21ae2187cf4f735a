#include <gtest/gtest.h>

#include <array>
#include <new>
#include <tuple>
#include <vector>

#include "cleaning/frm_main.h"
#include "cleaning/pause.h"
#include "cleaning_world.h"

using namespace sparvane::cleaning;
using cleaning_test::CleaningWorld;

struct FrmMainTest : cleaning_test::CleaningTest {
    frmMain& form() { return w.app.form<frmMain>(); }
};

TEST_F(FrmMainTest, LoadSelectsEveryTaskAndShowsTheWindowCentred) {
    auto& f = form();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(f.chkChkBox[i]->value() == 1 && f.taskSelected(i)) << i;
    EXPECT_EQ(f.chkSelectAll.value(), 1);
    EXPECT_TRUE(f.visible());
    // Screen 24000 x 13500 twips, window 4635 x 4380: the difference is halved with the
    // remainder dropped, 19365 \ 2 = 9682.
    ASSERT_EQ(f.width(), 4635);
    EXPECT_EQ(f.left(), 9682);
    EXPECT_EQ(f.top(), 4560);
}

// A case: clicks on task box 0..2 or on Select All (-1), then the boxes and Select All.
using Coupling = std::tuple<std::string, std::vector<int>, std::array<int, 3>, int>;
class CheckListCoupling : public FrmMainTest, public ::testing::WithParamInterface<Coupling> {};

TEST_P(CheckListCoupling, SelectAllAlwaysShowsWhetherAllThreeAreSelected) {
    auto& f = form();
    const auto& [name, clicks, boxes, selectAll] = GetParam();
    for (int click : clicks) (click < 0 ? f.chkSelectAll : *f.chkChkBox[click]).userClick();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.chkChkBox[i]->value(), boxes[i]) << "box " << i;
        EXPECT_EQ(f.taskSelected(i), boxes[i] != 0) << "flag " << i;
    }
    EXPECT_EQ(f.chkSelectAll.value(), selectAll);
}

INSTANTIATE_TEST_SUITE_P(Clicks, CheckListCoupling,
                         ::testing::Values(Coupling{"UncheckOneTask", {1}, {1, 0, 1}, 0},
                                           Coupling{"CheckItAgain", {1, 1}, {1, 1, 1}, 1},
                                           Coupling{"StillOneMissing", {0, 2, 0}, {1, 1, 0}, 0},
                                           Coupling{"DeselectAll", {-1}, {0, 0, 0}, 0},
                                           Coupling{"SelectAllAfterOneUnchecked", {2, -1}, {1, 1, 1}, 1},
                                           Coupling{"CheckEachByHand", {-1, 0, 1, 2}, {1, 1, 1}, 1}),
                         [](const auto& testCase) { return std::string(std::get<0>(testCase.param)); });

TEST_F(FrmMainTest, RunShowsEachOutcomeDoesOnlyTheSelectedTasksAndEndsIdle) {
    auto& f = form();
    w.fileSystem.addFile(temp + "\\keep.tmp");
    f.chkChkBox[0]->userClick();                     // task 0 not selected
    w.fileSystem.drives = std::string("D:\\\0", 4);  // task 1 fails: no fixed drive
    std::vector<int> seen;  // the state the pause after the run paints: 1 n/a, 2 failed, 4 done, 8 box
    w.backend.onDoEvents = [&] {
        if (!seen.empty()) return;
        for (int i = 0; i < 3; ++i)
            seen.push_back(f.picNA[i]->visible() + 2 * f.picRedX[i]->visible() + 4 * f.picGrnChk[i]->visible() +
                           8 * f.chkChkBox[i]->visible());
        const bool busy = !f.visible() && !f.cmdChoice[0]->enabled() && !f.cmdChoice[1]->enabled() &&
                          f.lblWait.visible() && w.backend.busyCursor;
        seen.push_back(busy);
    };
    f.cmdChoice[0]->setValue(true);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 4, 1}));
    EXPECT_TRUE(w.fileSystem.has(temp + "\\keep.tmp"));
    EXPECT_EQ(w.recentDocuments.clears, 1);
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(f.chkChkBox[1]->visible() && f.cmdChoice[0]->enabled() && !f.lblWait.visible());
    EXPECT_FALSE(w.backend.busyCursor);
}

// Presses while the bins are emptied (events run then) wait for the run: one more run
// follows it, never one inside it.
TEST_F(FrmMainTest, OkPressedDuringARunWaitsAndRunsOnceAfterIt) {
    auto& f = form();
    w.recycleBin.items = 1;
    w.recycleBin.duringEmptying = [&] {
        f.cmdChoice[0]->setValue(true);
        f.cmdChoice[0]->setValue(true);
    };
    std::vector<std::size_t> queriesAtEachClear;
    w.recentDocuments.onClear = [&] { queriesAtEachClear.push_back(w.recycleBin.queried.size()); };
    f.cmdChoice[0]->setValue(true);
    EXPECT_EQ(queriesAtEachClear, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(w.recycleBin.emptyCalls.size(), 1u);
    EXPECT_FALSE(f.running());
}

// A task that throws fails, ends the run, and leaves the window ready for the next run.
TEST_F(FrmMainTest, ATaskThatThrowsEndsTheRunCleanly) {
    auto& f = form();
    w.fileSystem.onOperation = [] { throw std::bad_alloc(); };
    std::vector<bool> failedShown;
    w.backend.onDoEvents = [&] {
        if (failedShown.empty()) failedShown = {f.picRedX[0]->visible(), f.picGrnChk[0]->visible()};
    };
    f.cmdChoice[0]->setValue(true);
    EXPECT_EQ(failedShown, (std::vector<bool>{true, false}));
    EXPECT_TRUE(w.recycleBin.queried.empty());  // the later tasks did not run
    EXPECT_FALSE(f.running());
    EXPECT_TRUE(f.cmdChoice[0]->enabled() && f.cmdChoice[1]->enabled() && !f.lblWait.visible());
    EXPECT_FALSE(w.backend.busyCursor);

    w.fileSystem.onOperation = nullptr;
    f.cmdChoice[0]->setValue(true);
    EXPECT_EQ(w.recentDocuments.clears, 1);
}

TEST_F(FrmMainTest, ExitAndTheCloseBoxEndTheProgramButAnUnloadFromCodeDoesNot) {
    form().unload();
    EXPECT_TRUE(w.processes.exitStatuses.empty());
    form().cmdChoice[1]->setValue(true);
    EXPECT_EQ(w.processes.exitStatuses.size(), 1u);
    CleaningWorld other;
    other.app.form<frmMain>().userClose();
    EXPECT_EQ(other.processes.exitStatuses.size(), 1u);
}

TEST_F(FrmMainTest, AuthorLinkOpensAMailToTheAuthor) {
    form().lblAuthor.userClick();
    ASSERT_EQ(w.shell.calls.size(), 1u);
    EXPECT_EQ(w.shell.calls[0].verb, "open");
    EXPECT_EQ(w.shell.calls[0].file, "mailto:cleanup@sparvane.example?subject=Sparvane");
}

TEST(PauseMilliseconds, LetsEventsThroughAtLeastOnceAndSurvivesTheTickWrap) {
    CleaningWorld w;
    w.clock.autoAdvance = 0;
    PauseMilliseconds(w.pacing, 0);  // the clock stands still: returns after one pass
    EXPECT_EQ(w.backend.doEventsCalls, 1);
    w.clock.ticks = 0xFFFFFFF0u;
    w.clock.autoAdvance = 4;
    PauseMilliseconds(w.pacing, 40);  // ends past the wrap, at 0x18
    EXPECT_GE(w.clock.ticks, 0x18u);
    EXPECT_LT(w.clock.ticks, 0x100u);
}

#include <gtest/gtest.h>

#include <array>
#include <new>
#include <tuple>
#include <vector>

#include "cleaning/clean_up_window.h"
#include "cleaning/pause.h"
#include "cleaning_world.h"

using namespace sparvane::cleaning;
using cleaning_test::CleaningWorld;

struct CleanUpWindowTest : cleaning_test::CleaningTest {
    CleanUpWindow& form() { return w.app.form<CleanUpWindow>(); }
};

TEST_F(CleanUpWindowTest, LoadSelectsEveryTaskAndShowsTheWindowCentred) {
    auto& f = form();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.taskBoxes[i]->value(), 1) << i;
    EXPECT_EQ(f.selectAllBox.value(), 1);
    EXPECT_TRUE(f.visible());
    // Screen 24000 x 13500 twips, window 4635 x 4380: (24000 - 4635) \ 2 = 9682.
    ASSERT_EQ(f.width(), 4635);
    EXPECT_EQ(f.left(), 9682);
    EXPECT_EQ(f.top(), 4560);
}

// A case: clicks on task box 0..2 or on Select All (-1), then the boxes and Select All.
using Coupling = std::tuple<std::string, std::vector<int>, std::array<int, 3>, int>;
class CheckListCoupling : public CleanUpWindowTest, public ::testing::WithParamInterface<Coupling> {};

TEST_P(CheckListCoupling, SelectAllAlwaysShowsWhetherAllThreeAreSelected) {
    auto& f = form();
    const auto& [name, clicks, boxes, selectAll] = GetParam();
    for (int click : clicks) (click < 0 ? f.selectAllBox : *f.taskBoxes[click]).userClick();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.taskBoxes[i]->value(), boxes[i]) << "box " << i;
    EXPECT_EQ(f.selectAllBox.value(), selectAll);
}

INSTANTIATE_TEST_SUITE_P(Clicks, CheckListCoupling,
                         ::testing::Values(Coupling{"UncheckOneTask", {1}, {1, 0, 1}, 0},
                                           Coupling{"CheckItAgain", {1, 1}, {1, 1, 1}, 1},
                                           Coupling{"StillOneMissing", {0, 2, 0}, {1, 1, 0}, 0},
                                           Coupling{"DeselectAll", {-1}, {0, 0, 0}, 0},
                                           Coupling{"SelectAllAfterOneUnchecked", {2, -1}, {1, 1, 1}, 1}),
                         [](const auto& testCase) { return std::string(std::get<0>(testCase.param)); });

TEST_F(CleanUpWindowTest, RunShowsEachOutcomeDoesOnlyTheSelectedTasksAndEndsIdle) {
    auto& f = form();
    w.fileSystem.addFile(temp + "\\keep.tmp");
    f.taskBoxes[0]->userClick();                     // task 0 not selected
    w.fileSystem.drives = std::string("D:\\\0", 4);  // task 1 fails: no fixed drive
    std::vector<int> seen;  // the state the pause after the run paints: 1 n/a, 2 failed, 4 done, 8 box
    w.backend.onDoEvents = [&] {
        if (!seen.empty()) return;
        for (int i = 0; i < 3; ++i)
            seen.push_back(f.notSelectedPictures[i]->visible() + 2 * f.failedPictures[i]->visible() +
                           4 * f.donePictures[i]->visible() + 8 * f.taskBoxes[i]->visible());
        const bool busy = !f.visible() && !f.okButton.enabled() && !f.exitButton.enabled() && f.waitLabel.visible() &&
                          w.backend.busyCursor;
        seen.push_back(busy);
    };
    f.okButton.setValue(true);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 4, 1}));
    EXPECT_TRUE(w.fileSystem.has(temp + "\\keep.tmp"));
    EXPECT_EQ(w.recentDocuments.clears, 1);
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(f.taskBoxes[1]->visible() && f.okButton.enabled() && !f.waitLabel.visible());
    EXPECT_FALSE(w.backend.busyCursor);
}

// A task that throws fails, ends the run, and leaves the window ready for the next run.
TEST_F(CleanUpWindowTest, ATaskThatThrowsEndsTheRunCleanly) {
    auto& f = form();
    w.fileSystem.onOperation = [] { throw std::bad_alloc(); };
    std::vector<bool> failedShown;
    w.backend.onDoEvents = [&] {
        if (failedShown.empty()) failedShown = {f.failedPictures[0]->visible(), f.donePictures[0]->visible()};
    };
    f.okButton.setValue(true);
    EXPECT_EQ(failedShown, (std::vector<bool>{true, false}));
    EXPECT_TRUE(w.recycleBin.queried.empty());  // the later tasks did not run
    EXPECT_TRUE(f.okButton.enabled() && f.exitButton.enabled() && !f.waitLabel.visible());
    EXPECT_FALSE(w.backend.busyCursor);

    w.fileSystem.onOperation = nullptr;
    f.okButton.setValue(true);
    EXPECT_EQ(w.recentDocuments.clears, 1);
}

TEST_F(CleanUpWindowTest, ExitAndTheCloseBoxEndTheProgramButAnUnloadFromCodeDoesNot) {
    form().unload();
    EXPECT_TRUE(w.processes.exitStatuses.empty());
    form().exitButton.setValue(true);
    EXPECT_EQ(w.processes.exitStatuses.size(), 1u);
    CleaningWorld other;
    other.app.form<CleanUpWindow>().userClose();
    EXPECT_EQ(other.processes.exitStatuses.size(), 1u);
}

TEST_F(CleanUpWindowTest, AuthorLinkOpensAMailToTheAuthor) {
    form().authorLink.userClick();
    ASSERT_EQ(w.shell.calls.size(), 1u);
    EXPECT_EQ(w.shell.calls[0].verb, "open");
    EXPECT_EQ(w.shell.calls[0].file, "mailto:cleanup@sparvane.example?subject=Sparvane");
}

TEST(Pause, SurvivesTheTickWrap) {
    CleaningWorld w;
    w.clock.ticks = 0xFFFFFFF0u;
    w.clock.autoAdvance = 4;
    pauseMilliseconds(w.pacing, 40);  // ends past the wrap, at 0x18
    EXPECT_GE(w.clock.ticks, 0x18u);
    EXPECT_LT(w.clock.ticks, 0x100u);
}

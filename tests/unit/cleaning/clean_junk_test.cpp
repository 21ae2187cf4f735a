#include <gtest/gtest.h>

#include "cleaning/clean_junk.h"
#include "cleaning/form2.h"
#include "cleaning/frm_main.h"
#include "cleaning_world.h"
#include "shell/form1.h"

using namespace sparvane::cleaning;
using cleaning_test::CleaningWorld;
using sparvane::shell::Form1;

namespace {

class CleanJunkTest : public ::testing::Test {
protected:
    CleaningWorld w;
    const std::string temp = CleaningWorld::kTemp;
    const std::string recent = CleaningWorld::kRecent;
    void SetUp() override {
        w.fileSystem.addFile(temp + "\\a\\b\\c.tmp", 100);
        w.fileSystem.addFile(temp + "\\d.tmp", 100, platform::file_attribute::kReadOnly);
        w.fileSystem.addFile(recent + "\\big.doc.lnk", 80 * 1024);
        w.recycleBin.items = 4;
        w.app.form<Form2>().Command2.setValue(true);
        w.app.form<Form2>().Command8.setValue(true);
    }
};

}  // namespace

TEST_F(CleanJunkTest, RunsEveryTaskThenLeavesTheFrameGreenAndTheWindowHidden) {
    ASSERT_EQ(w.app.form<Form1>().Shape1.borderColor(), Form2::kFrameDarkRed);
    EXPECT_EQ(w.app.loadedForm<frmMain>(), nullptr);
    bool shownDuringRun = true;
    w.backend.onDoEvents = [&] { shownDuringRun = shownDuringRun && w.app.form<frmMain>().visible(); };

    cleanJunk(w.ctx);

    EXPECT_TRUE(w.fileSystem.childrenOf(temp).empty());
    EXPECT_FALSE(w.fileSystem.has(recent + "\\big.doc.lnk"));
    EXPECT_EQ(w.recycleBin.items, 0u);
    EXPECT_EQ(w.recentDocuments.clears, 1);
    EXPECT_EQ(w.app.form<Form2>().Label4.caption(), "0");
    EXPECT_EQ(w.app.form<Form1>().Shape1.borderColor(), Form2::kFrameGreen);
    ASSERT_NE(w.app.loadedForm<frmMain>(), nullptr);
    EXPECT_FALSE(w.app.form<frmMain>().visible());
    EXPECT_FALSE(shownDuringRun);
}

TEST_F(CleanJunkTest, FrameIsGreenEvenWhenJunkRemains) {
    w.fileSystem.addFile(recent + "\\sub\\kept.dat", 80 * 1024);  // not a shortcut: stays
    cleanJunk(w.ctx);
    EXPECT_EQ(w.app.form<Form2>().Label4.caption(), "80");
    EXPECT_EQ(w.app.form<Form1>().Shape1.borderColor(), Form2::kFrameGreen);
}

TEST_F(CleanJunkTest, APressDuringARunStartsNoSecondRun) {
    int nested = 0;
    w.backend.onDoEvents = [&] {
        if (nested++ == 0) cleanJunk(w.ctx);  // the user presses Clean Junk mid-sweep
    };
    cleanJunk(w.ctx);
    EXPECT_EQ(w.recentDocuments.clears, 1);
    EXPECT_EQ(w.recycleBin.queried.size(), 1u);
    const auto listings = std::count(w.fileSystem.log.begin(), w.fileSystem.log.end(),
                                     "list:c:\\users\\tester\\appdata\\local\\temp");
    EXPECT_EQ(listings, 1);
    EXPECT_TRUE(w.fileSystem.childrenOf(temp).empty());

    // Once the run is over, the next press runs again.
    w.backend.onDoEvents = nullptr;
    cleanJunk(w.ctx);
    EXPECT_EQ(w.recentDocuments.clears, 2);
}

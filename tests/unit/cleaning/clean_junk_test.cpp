#include <gtest/gtest.h>

#include "cleaning/clean_junk.h"
#include "cleaning/form2.h"
#include "cleaning/frm_main.h"
#include "cleaning_world.h"
#include "shell/form1.h"

using namespace sparvane::cleaning;
using sparvane::shell::Form1;

namespace {

class CleanJunkTest : public cleaning_test::CleaningTest {
protected:
    void SetUp() override {
        w.fileSystem.addFile(temp + "\\a\\b\\c.tmp", 100);
        w.fileSystem.addFile(temp + "\\d.tmp", 100, platform::file_attribute::kReadOnly);
        w.fileSystem.addFile(recent + "\\big.doc.lnk", 80 * 1024);
        w.fileSystem.addFile(recent + "\\sub\\kept.dat", 80 * 1024);  // not a shortcut: stays
        w.recycleBin.items = 4;
        w.app.form<Form2>().Command2.setValue(true);
        w.app.form<Form2>().Command8.setValue(true);
    }
};

}  // namespace

TEST_F(CleanJunkTest, RunsEveryTaskHiddenThenLeavesTheFrameGreenEvenWhenJunkRemains) {
    ASSERT_EQ(w.app.form<Form1>().Shape1.borderColor(), Form2::kFrameDarkRed);
    bool shownDuringRun = false;
    w.backend.onDoEvents = [&] { shownDuringRun = shownDuringRun || w.app.form<frmMain>().visible(); };

    cleanJunk(w.app, w.widget);

    EXPECT_TRUE(w.fileSystem.childrenOf(temp).empty());
    EXPECT_FALSE(w.fileSystem.has(recent + "\\big.doc.lnk"));
    EXPECT_EQ(w.recycleBin.items, 0u);
    EXPECT_EQ(w.recentDocuments.clears, 1);
    EXPECT_EQ(w.app.form<Form2>().Label4.caption(), "80");
    EXPECT_EQ(w.app.form<Form1>().Shape1.borderColor(), Form2::kFrameGreen);
    EXPECT_FALSE(w.app.form<frmMain>().visible());
    EXPECT_FALSE(shownDuringRun);
}

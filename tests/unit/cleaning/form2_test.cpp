#include <gtest/gtest.h>

#include "cleaning/form2.h"
#include "cleaning_world.h"
#include "shell/form1.h"

using namespace sparvane::cleaning;
using cleaning_test::CleaningWorld;
using sparvane::shell::Form1;

namespace {

constexpr forms::Color kGreen = 32768, kDarkRed = 192;

class Form2Test : public ::testing::Test {
protected:
    CleaningWorld w;
    const std::string recent = CleaningWorld::kRecent;
    Form2& form() { return w.app.form<Form2>(); }
    forms::Color frame() { return w.app.form<Form1>().Shape1.borderColor(); }
    void measure() {
        form().Command2.setValue(true);
        form().Command8.setValue(true);
    }
};

}  // namespace

struct SizeCase {
    std::uint64_t bytes;
    std::string separator;
    std::string shown;
    forms::Color colour;
};

class RecentFolderColour : public ::testing::TestWithParam<SizeCase> {};

TEST_P(RecentFolderColour, SizeInKilobytesDecidesTheWidgetFrame) {
    CleaningWorld w;
    w.locale.thousands = GetParam().separator;
    w.fileSystem.addFile(std::string(CleaningWorld::kRecent) + "\\sub\\a.lnk", GetParam().bytes);
    auto& f = w.app.form<Form2>();
    w.app.form<Form1>().Shape1.setBorderColor(GetParam().colour == kGreen ? kDarkRed : kGreen);
    f.Command2.setValue(true);
    f.Command8.setValue(true);
    EXPECT_EQ(f.Label4.caption(), GetParam().shown);
    EXPECT_EQ(w.app.form<Form1>().Shape1.borderColor(), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RecentFolderColour,
                         ::testing::Values(SizeCase{35840, ",", "35", kGreen}, SizeCase{36864, ",", "36", kDarkRed},
                                           SizeCase{36351, ",", "35", kGreen}, SizeCase{1535, ",", "1", kGreen},
                                           SizeCase{1536, ",", "2", kGreen},
                                           SizeCase{1024000, ",", "1,000", kDarkRed},
                                           SizeCase{1024000, ".", "1.000", kDarkRed},
                                           SizeCase{1024000, " ", "1 000", kDarkRed}));

TEST_F(Form2Test, MeasuresAgainOnlyOnEveryTwentiethTick) {
    w.fileSystem.addFile(recent + "\\a.lnk", 10 * 1024);
    form().Command2.setValue(true);
    ASSERT_EQ(form().Label4.caption(), "10");
    w.fileSystem.addFile(recent + "\\b.lnk", 40 * 1024);
    constexpr forms::Color kUntouched = 0x123456;
    w.app.form<Form1>().Shape1.setBorderColor(kUntouched);
    w.backend.advance(19000);
    EXPECT_EQ(form().Label4.caption(), "10");
    EXPECT_EQ(frame(), kUntouched);
    w.backend.advance(1000);
    EXPECT_EQ(form().Label4.caption(), "50");
    EXPECT_EQ(frame(), kDarkRed);
    w.fileSystem.addFile(recent + "\\c.lnk", 50 * 1024);
    w.backend.advance(19999);
    EXPECT_EQ(form().Label4.caption(), "50");
    w.backend.advance(1);
    EXPECT_EQ(form().Label4.caption(), "100");
}

TEST_F(Form2Test, ActivationHidesTheWindowAndRefreshesSizeAndColour) {
    w.fileSystem.addFile(recent + "\\a.lnk", 40 * 1024);
    form().show();
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(form().Label4.caption(), "40");
    EXPECT_EQ(frame(), kDarkRed);
}

TEST_F(Form2Test, NoRecentFolderEverShowsZeroAndGreen) {
    w.fileSystem.specialFolders.clear();
    w.app.form<Form1>().Shape1.setBorderColor(kDarkRed);
    measure();
    EXPECT_EQ(form().Label4.caption(), "0");
    EXPECT_EQ(frame(), kGreen);
}

TEST_F(Form2Test, UnresolvableRecentFolderMeasuresTheOneOpenedLast) {
    w.fileSystem.addFile(recent + "\\a.lnk", 10 * 1024);
    measure();
    w.fileSystem.specialFolders[platform::kCsidlRecent] = "C:\\Nowhere";
    w.fileSystem.addFile(recent + "\\b.lnk", 30 * 1024);
    measure();
    EXPECT_EQ(form().Label4.caption(), "40");
    EXPECT_EQ(frame(), kDarkRed);
}

TEST_F(Form2Test, EmptyDeletesTheRecentFolderContentsButNotThroughLinks) {
    w.fileSystem.addFile("C:\\Outside\\canary.txt", 5);
    w.fileSystem.addFolderLink(recent + "\\escape", "C:\\Outside");
    w.fileSystem.addFile(recent + "\\a.lnk", 60 * 1024, platform::file_attribute::kReadOnly);
    w.fileSystem.addFile(recent + "\\AutomaticDestinations\\x.automaticDestinations-ms", 4096);
    w.fileSystem.readOnlyBlocksDeletion = true;
    w.app.form<Form1>().Shape1.setBorderColor(kDarkRed);

    form().Command1.setValue(true);

    EXPECT_EQ(w.fileSystem.childrenOf(recent), std::vector<std::string>{"escape"});
    EXPECT_TRUE(w.fileSystem.has("C:\\Outside\\canary.txt"));
    EXPECT_EQ(form().Label4.caption(), "0 Kbs left");
    EXPECT_EQ(frame(), kGreen);
    EXPECT_TRUE(w.backend.messages.empty());
}

TEST_F(Form2Test, EmptyOnAnEmptyFolderDoesNothing) {
    form().Label4.setCaption("7");
    form().Command1.setValue(true);
    EXPECT_EQ(form().Label4.caption(), "7");
    EXPECT_TRUE(w.backend.messages.empty());
}

TEST_F(Form2Test, EmptyWithoutARecentFolderSaysSoAndDeletesNothing) {
    w.fileSystem.addFile(recent + "\\a.lnk", 1024);
    measure();  // a folder opened before must not be emptied in its place
    w.fileSystem.specialFolders.clear();
    form().Command1.setValue(true);
    ASSERT_EQ(w.backend.messages.size(), 1u);
    EXPECT_EQ(w.backend.messages[0].text, "Make sure you have selected a folder");
    EXPECT_EQ(w.backend.messages[0].title, "error");
    EXPECT_EQ(w.backend.messages[0].style, 0);
    EXPECT_TRUE(w.fileSystem.has(recent + "\\a.lnk"));
}

TEST_F(Form2Test, PathShowsTheFolderInAnInformationBox) {
    form().Command3.setValue(true);
    ASSERT_EQ(w.backend.messages.size(), 1u);
    EXPECT_EQ(w.backend.messages[0].text, recent + "\r\n");
    EXPECT_EQ(w.backend.messages[0].style, 64);
    EXPECT_EQ(w.backend.messages[0].title, "Your paths");
}

TEST_F(Form2Test, Command4AndCommand6TestForTheExactNothingToCleanCaption) {
    form().Label4.setCaption("0");
    form().Command4.setValue(true);
    form().Command6.setValue(true);
    EXPECT_EQ(frame(), kDarkRed);
    form().Label4.setCaption("0 Kbs of folders/files");
    form().Command4.setValue(true);
    form().Command6.setValue(true);
    EXPECT_EQ(frame(), kGreen);
    ASSERT_EQ(w.backend.messages.size(), 2u);
    EXPECT_EQ(w.backend.messages[0].text, "System needs cleaning");
    EXPECT_EQ(w.backend.messages[1].text, "System OK");
    EXPECT_EQ(w.backend.messages[1].title, "Sparvane");
}

TEST_F(Form2Test, Command7ShowsTheWidget) {
    form().Command7.setValue(true);
    EXPECT_TRUE(w.app.form<Form1>().visible());
}

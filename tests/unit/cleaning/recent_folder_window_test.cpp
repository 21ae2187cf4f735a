#include <gtest/gtest.h>

#include <tuple>

#include "cleaning/recent_folder_window.h"
#include "cleaning_world.h"
#include "shell/widget_window.h"

using namespace sparvane::cleaning;
using sparvane::shell::WidgetWindow;

namespace {

constexpr forms::Color kGreen = 32768, kDarkRed = 192;

struct RecentFolderWindowTest : cleaning_test::CleaningTest {
    RecentFolderWindow& form() { return w.app.form<RecentFolderWindow>(); }
    std::string shown() { return form().sizeLabel.caption(); }
    forms::Color frame() { return w.app.form<WidgetWindow>().junkFrame.borderColor(); }
    void setFrame(forms::Color c) { w.app.form<WidgetWindow>().junkFrame.setBorderColor(c); }
    void measure() {
        form().viewButton.setValue(true);
        form().colourButton.setValue(true);
    }
};

// A case: bytes of shortcuts, the group separator, the size shown and the frame's colour.
using SizeCase = std::tuple<std::string, std::uint64_t, std::string, std::string, forms::Color>;
class RecentFolderColour : public RecentFolderWindowTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(RecentFolderColour, SizeInKilobytesDecidesTheWidgetFrame) {
    const auto& [name, bytes, separator, text, colour] = GetParam();
    w.locale.thousands = separator;
    w.fileSystem.addFile(recent + "\\sub\\a.lnk", bytes);
    setFrame(colour == kGreen ? kDarkRed : kGreen);
    measure();
    EXPECT_EQ(shown(), text);
    EXPECT_EQ(frame(), colour);
}

// 35 KB is the most that leaves the frame green; the kilobytes are rounded halves to even first.
INSTANTIATE_TEST_SUITE_P(Sizes, RecentFolderColour,
                         ::testing::Values(SizeCase{"Most35", 36351, ",", "35", kGreen},
                                           SizeCase{"Least36", 36864, ",", "36", kDarkRed},
                                           SizeCase{"UnderHalf", 511, ",", "0", kGreen},
                                           SizeCase{"HalfUp", 1536, ",", "2", kGreen},
                                           SizeCase{"HalfDown", 2560, ",", "2", kGreen},
                                           SizeCase{"PointGroups", 1024000, ".", "1.000", kDarkRed},
                                           SizeCase{"NoBreakSpaceGroups", 1234567ull * 1024, "\xC2\xA0",
                                                    "1\xC2\xA0"
                                                    "234\xC2\xA0"
                                                    "567",
                                                    kDarkRed}),
                         [](const auto& testCase) { return std::get<0>(testCase.param); });

TEST_F(RecentFolderWindowTest, MeasuresAgainOnlyOnEveryTwentiethTick) {
    w.fileSystem.addFile(recent + "\\a.lnk", 10 * kKilobyte);
    form().viewButton.setValue(true);
    w.fileSystem.addFile(recent + "\\b.lnk", 40 * kKilobyte);
    setFrame(0x123456);
    w.backend.advance(19000);
    EXPECT_EQ(shown(), "10");
    EXPECT_EQ(frame(), 0x123456u);
    w.backend.advance(1000);
    EXPECT_EQ(shown(), "50");
    EXPECT_EQ(frame(), kDarkRed);
    w.fileSystem.addFile(recent + "\\c.lnk", 50 * kKilobyte);
    w.backend.advance(19999);
    EXPECT_EQ(shown(), "50");
    w.backend.advance(1);
    EXPECT_EQ(shown(), "100");
}

TEST_F(RecentFolderWindowTest, NothingMeasuredOrNoRecentFolderEverIsGreen) {
    w.fileSystem.specialFolders.clear();
    setFrame(kDarkRed);
    form().colourButton.setValue(true);
    EXPECT_EQ(shown(), "Label4");
    EXPECT_EQ(frame(), kGreen);
    setFrame(kDarkRed);
    measure();
    EXPECT_EQ(shown(), "0");
    EXPECT_EQ(frame(), kGreen);
}

TEST_F(RecentFolderWindowTest, EmptyDeletesTheRecentFolderContentsButNotThroughLinksOrStrangeNames) {
    w.fileSystem.addFile("C:\\Outside\\canary.txt", 5);
    w.fileSystem.addFolderLink(recent + "\\escape", "C:\\Outside");
    // A Unix name that, joined into a path, would name C:\Outside.
    const std::string climb = "..\\..\\..\\..\\..\\..\\..\\Outside";
    w.fileSystem.addUnixName(recent, climb, platform::file_attribute::kDirectory);
    w.fileSystem.addFile(recent + "\\a.lnk", 60 * kKilobyte, platform::file_attribute::kReadOnly);
    w.fileSystem.addFile(recent + "\\AutomaticDestinations\\x.automaticDestinations-ms", 4096);
    w.fileSystem.addFile(recent + "\\held.lnk", 40 * kKilobyte);
    w.fileSystem.lock(recent + "\\held.lnk");
    setFrame(kDarkRed);

    form().emptyButton.setValue(true);

    EXPECT_EQ(w.fileSystem.childrenOf(recent), (std::vector<std::string>{"escape", climb, "held.lnk"}));
    EXPECT_TRUE(w.fileSystem.has("C:\\Outside\\canary.txt"));
    EXPECT_EQ(shown(), "40 Kbs left");
    EXPECT_EQ(frame(), kGreen);
    EXPECT_TRUE(w.backend.messages.empty());
    // What the emptying left is what the colour rule reads.
    form().colourButton.setValue(true);
    EXPECT_EQ(frame(), kDarkRed);
}

TEST_F(RecentFolderWindowTest, EmptyOnAnEmptyFolderDoesNothing) {
    measure();
    setFrame(kDarkRed);
    form().emptyButton.setValue(true);
    EXPECT_EQ(shown(), "0");
    EXPECT_EQ(frame(), kDarkRed);
    EXPECT_TRUE(w.backend.messages.empty());
}

TEST_F(RecentFolderWindowTest, EmptyWithoutARecentFolderSaysSoAndDeletesNothing) {
    w.fileSystem.addFile(recent + "\\a.lnk", 1024);
    measure();  // a folder opened before must not be emptied in its place
    w.fileSystem.specialFolders.clear();
    form().emptyButton.setValue(true);
    ASSERT_EQ(w.backend.messages.size(), 1u);
    EXPECT_EQ(w.backend.messages[0].text, "Make sure you have selected a folder");
    EXPECT_EQ(w.backend.messages[0].title, "error");
    EXPECT_TRUE(w.fileSystem.has(recent + "\\a.lnk"));
}

// The verdict buttons test for a text the size display never shows: whatever is measured,
// even nothing at all, the system needs cleaning and the frame turns dark red.
TEST_F(RecentFolderWindowTest, PathAndVerdictButtonsFindTheSystemNeedsCleaning) {
    form().pathButton.setValue(true);
    measure();
    ASSERT_EQ(shown(), "0");
    form().verdictButton.setValue(true);
    form().exactVerdictButton.setValue(true);
    EXPECT_EQ(frame(), kDarkRed);
    ASSERT_EQ(w.backend.messages.size(), 2u);
    EXPECT_EQ(w.backend.messages[0].text, recent + "\r\n");
    EXPECT_EQ(w.backend.messages[0].title, "Your paths");
    EXPECT_EQ(w.backend.messages[1].text, "System needs cleaning");
}

}  // namespace

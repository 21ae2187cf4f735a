#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

#include "cleaning/clean_up.h"
#include "cleaning/entry_path.h"
#include "cleaning/folder_sweep.h"
#include "cleaning/path_helpers.h"
#include "cleaning_world.h"

using namespace sparvane::cleaning;
using cleaning_test::CleaningWorld;
namespace fa = platform::file_attribute;

namespace {

const std::string kTemp = CleaningWorld::kTemp;
const std::string kOutside = "C:\\Users\\Tester\\Documents\\Precious";

// Each case of a table is named by its first element.
const auto kCaseName = [](const auto& testCase) { return std::string(std::get<0>(testCase.param)); };

std::string key(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    return path;
}

}  // namespace

class TempSweep : public cleaning_test::CleaningTest {};

TEST_F(TempSweep, ListsEachFolderOnceCompletelyThenDeletesLastFirstClearingOnlyReadOnly) {
    auto& fs = w.fileSystem;
    fs.addFile(kTemp + "\\1.tmp");
    fs.addFile(kTemp + "\\2\\inner.tmp", 1, fa::kHidden | fa::kSystem);
    fs.addFile(kTemp + "\\3.tmp", 1, fa::kReadOnly | fa::kHidden);
    fs.log.clear();

    deleteFolderContents(w.fileSystem, w.pacing, kTemp);

    const std::string t = key(kTemp);
    // clang-format off
    const std::vector<std::string> expected{
        "list:" + t,                                       // the whole level first
        "attr:" + t + "\\3.tmp",  "del:" + t + "\\3.tmp",  // then the last entry first
        "list:" + t + "\\2",      "del:" + t + "\\2\\inner.tmp", "rmdir:" + t + "\\2",
        "del:" + t + "\\1.tmp"};
    // clang-format on
    EXPECT_EQ(fs.log, expected);
    EXPECT_EQ(fs.attributeWrites, (std::vector<std::pair<std::string, std::uint32_t>>{{t + "\\3.tmp", fa::kHidden}}));
}

// A read-only folder that stays (a file in use inside) gets its attribute back; an empty one
// loses it only to be removed. The file in use and its hidden folder: 43_cleaning_hostile_temp.
TEST_F(TempSweep, AFolderThatStaysKeepsItsAttributes) {
    auto& fs = w.fileSystem;
    const std::uint32_t guarded = fa::kDirectory | fa::kReadOnly | fa::kHidden;
    fs.addFolder(kTemp + "\\held", guarded);
    fs.addFile(kTemp + "\\held\\in use.log");
    fs.lock(kTemp + "\\held\\in use.log");
    fs.addFolder(kTemp + "\\empty", guarded);
    deleteFolderContents(w.fileSystem, w.pacing, kTemp);
    EXPECT_EQ(fs.attributesOf(kTemp + "\\held"), guarded);
    EXPECT_FALSE(fs.has(kTemp + "\\empty"));
}

TEST_F(TempSweep, FolderTurnedIntoALinkWhileEventsRanIsLeftAlone) {
    auto& fs = w.fileSystem;
    fs.addFile(kOutside + "\\canary.txt");
    fs.addFile(kTemp + "\\cache\\x.tmp");
    w.clock.autoAdvance = 1000;  // every step lets events run
    // Between the listing and the deletion "cache" is replaced by a link outside.
    w.backend.onDoEvents = [&] {
        w.backend.onDoEvents = nullptr;
        fs.addFolderLink(kTemp + "\\cache", kOutside);
    };
    deleteFolderContents(w.fileSystem, w.pacing, kTemp);
    EXPECT_TRUE(fs.has(kOutside + "\\canary.txt"));
    EXPECT_TRUE(fs.has(kTemp + "\\cache"));
}

TEST_F(TempSweep, EventsRunInShortSlicesWhileListingAndWhileDeleting) {
    auto& fs = w.fileSystem;
    for (int folder = 0; folder < 3; ++folder)
        for (int i = 0; i < 1000; ++i)
            fs.addFile(kTemp + "\\f" + std::to_string(folder) + "\\" + std::to_string(i) + ".tmp");
    for (int i = 0; i < 2000; ++i) fs.addFile(kTemp + "\\top" + std::to_string(i) + ".tmp");
    w.clock.autoAdvance = 0;
    fs.onOperation = [&] { w.clock.ticks += 3; };  // every call to the disk takes 3 ms
    std::vector<std::uint32_t> eventTimes{w.clock.ticks};
    std::size_t deletionsBeforeFirstEvents = 0;
    w.backend.onDoEvents = [&] {
        if (eventTimes.size() == 1)
            deletionsBeforeFirstEvents = std::count_if(fs.log.begin(), fs.log.end(),
                                                       [](const std::string& e) { return e.rfind("del:", 0) == 0; });
        eventTimes.push_back(w.clock.ticks);
    };

    deleteFolderContents(w.fileSystem, w.pacing, kTemp);
    eventTimes.push_back(w.clock.ticks);

    EXPECT_TRUE(fs.childrenOf(kTemp).empty());
    EXPECT_EQ(deletionsBeforeFirstEvents, 0u);  // the listing itself lets events through
    std::uint32_t longest = 0;
    for (std::size_t i = 1; i < eventTimes.size(); ++i) longest = std::max(longest, eventTimes[i] - eventTimes[i - 1]);
    EXPECT_LE(longest, 100u) << "events waited " << longest << " ms";
}

TEST_F(TempSweep, StopsWhenTheProgramEndsDuringTheRun) {
    auto& fs = w.fileSystem;
    for (int i = 0; i < 50; ++i) fs.addFile(kTemp + "\\" + std::to_string(i) + ".tmp");
    w.clock.autoAdvance = 1000;
    w.backend.onDoEvents = [&] { w.ctx.orderlyExit.terminating = true; };
    deleteFolderContents(w.fileSystem, w.pacing, kTemp);
    EXPECT_GE(fs.childrenOf(kTemp).size(), 49u);
}

// A case: the path the system reports, and the folder swept ("" when none may be).
using TempPath = std::tuple<std::string, std::optional<std::string>, std::string>;
class TempFolderChecks : public TempSweep, public ::testing::WithParamInterface<TempPath> {};

TEST_P(TempFolderChecks, SweepsOnlyAnExistingFolderNamedTemp) {
    auto& fs = w.fileSystem;
    const std::string kShortTemp = "C:\\Documents and Settings\\Tester\\Local Settings\\Temp";
    const std::string kRemote = "C:\\Users\\Remote\\AppData\\Local\\Temp";
    // clang-format off
    const std::vector<std::string> folders{kTemp, "C:\\Users\\Tester\\AppData\\Local\\tmp", "C:\\Temp", kShortTemp,
                                           "[Unknown]", "C:\\Users\\Łukasz\\Temp", kRemote + "\\2",
                                           kRemote + "\\2a"};
    // clang-format on
    for (const auto& folder : folders) fs.addFile(folder + "\\junk.tmp");
    fs.addShortName("C:\\Documents and Settings", "DOCUME~1");
    fs.addShortName("C:\\Documents and Settings\\Tester\\Local Settings", "LOCALS~1");
    const auto& [name, reported, swept] = GetParam();
    fs.temp = reported;

    EXPECT_EQ(cleanTempFolder(w.fileSystem, w.pacing), !swept.empty());
    for (const auto& folder : folders) EXPECT_EQ(fs.has(folder + "\\junk.tmp"), key(folder) != key(swept)) << folder;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TempFolderChecks,
    ::testing::Values(TempPath{"BlanksAndOtherCase", "  c:\\users\\tester\\appdata\\local\\TEMP\r\n", kTemp},
                      TempPath{"ShortNames", "C:\\DOCUME~1\\Tester\\LOCALS~1\\Temp\\",
                               "C:\\Documents and Settings\\Tester\\Local Settings\\Temp"},
                      TempPath{"DriveTemp", "C:\\Temp\\", "C:\\Temp"},
                      TempPath{"NonAsciiUser", "C:\\Users\\Łukasz\\Temp\\", "C:\\Users\\Łukasz\\Temp"},
                      // A Remote Desktop session's own Temp is Temp\<session number>.
                      TempPath{"RemoteSession", "C:\\Users\\Remote\\AppData\\Local\\Temp\\2\\",
                               "C:\\Users\\Remote\\AppData\\Local\\Temp\\2"},
                      TempPath{"SessionNotANumber", "C:\\Users\\Remote\\AppData\\Local\\Temp\\2a\\", ""},
                      TempPath{"NotNamedTemp", "C:\\Users\\Tester\\AppData\\Local\\tmp\\", ""},
                      TempPath{"Missing", "C:\\Users\\Nobody\\Temp\\", ""},  // expands to [Unknown]
                      TempPath{"NotReported", std::nullopt, ""}),
    kCaseName);

using EntryName = std::tuple<std::string, std::string, bool>;
class EntryNames : public ::testing::TestWithParam<EntryName> {};

TEST_P(EntryNames, OnlyOneComponentLeadingInsideIsJoined) {
    const auto& [name, entry, joined] = GetParam();
    const std::string folder = "C:\\Users\\Tester\\Temp\\sub\\";
    const auto path = entryPathInside(folder, entry, "C:\\Users\\Tester\\Temp\\");
    EXPECT_EQ(path.has_value(), joined);
    if (path) {
        EXPECT_EQ(*path, folder + entry);
    }
}

// Plain names, "." and "..", names in other scripts and names holding "\", ":" or "*" are
// swept or left alone under Wine in 43_cleaning_hostile_temp.
INSTANTIATE_TEST_SUITE_P(Names, EntryNames,
                         ::testing::Values(EntryName{"ThreeDots", "...", true},
                                           EntryName{"LeadingDots", "..hidden", true}),
                         kCaseName);

using PathForm = std::tuple<std::string, std::string, std::string>;
class Normalise : public ::testing::TestWithParam<PathForm> {};

TEST_P(Normalise, AppliesDotsAndSeparatorsButNeverClimbsAboveTheRoot) {
    const auto& [name, path, normalised] = GetParam();
    EXPECT_EQ(normalisedPath(path), normalised);
}

INSTANTIATE_TEST_SUITE_P(Paths, Normalise,
                         ::testing::Values(PathForm{"Climb", "C:\\Temp\\..\\AppData", "C:\\AppData"},
                                           PathForm{"AboveRoot", "C:\\Temp\\..\\..\\..\\Windows", "C:\\Windows"},
                                           PathForm{"SlashesAndDots", "C:/Temp/./a//b/", "C:\\Temp\\a\\b"},
                                           PathForm{"Share", "\\\\srv\\share\\..\\x", "\\\\srv\\share\\x"}),
                         kCaseName);

using Trim = std::tuple<std::string, std::string, std::string>;
class SeparatorHelpers : public ::testing::TestWithParam<Trim> {};

TEST_P(SeparatorHelpers, TrimOnlyBlanksAndControlCharacters) {
    const auto& [name, path, withSeparator] = GetParam();
    EXPECT_EQ(addTrailingSeparator(path), withSeparator);
    EXPECT_EQ(removeTrailingSeparator(withSeparator + "\\"), withSeparator);
}

INSTANTIATE_TEST_SUITE_P(Paths, SeparatorHelpers,
                         ::testing::Values(Trim{"Cyrillic", "C:\\Temp\\Новая папка", "C:\\Temp\\Новая папка\\"},
                                           Trim{"ControlsTrimmed", "\r\nC:\\Temp\\x\x01", "C:\\Temp\\x\\"}),
                         kCaseName);

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <functional>
#include <map>

#include "cleaning/clean_up.h"
#include "cleaning/entry_path.h"
#include "cleaning/folder_sweep.h"
#include "cleaning/path_helpers.h"
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

// Every entry of the disk outside Temp, with its attributes: what a sweep must never change.
void collect(const fakes::FakeFileSystem& fs, const std::string& folder, std::map<std::string, std::uint32_t>& out) {
    for (const auto& name : fs.childrenOf(folder)) {
        const std::string path = folder + "\\" + name;
        if (key(path) == key(kTemp)) continue;
        out[key(path)] = fs.attributesOf(path).value_or(0xFFFFFFFF);
        collect(fs, path, out);
    }
}
std::map<std::string, std::uint32_t> outsideTemp(const fakes::FakeFileSystem& fs) {
    std::map<std::string, std::uint32_t> out;
    collect(fs, "C:", out);
    return out;
}

}  // namespace

class TempSweep : public cleaning_test::CleaningTest {};

// One hazard of a real desktop per case: what it puts in Temp (and outside it), and what
// of Temp must be left after Clean Junk. Nothing outside Temp may change in any case.
struct HazardCase {
    std::string name;
    std::function<void(fakes::FakeFileSystem&)> build;
    std::set<std::string> leftInTemp;
    friend void PrintTo(const HazardCase& c, std::ostream* os) { *os << c.name; }
};
class TempHazards : public TempSweep, public ::testing::WithParamInterface<HazardCase> {};

TEST_P(TempHazards, SweepEmptiesTempAndChangesNothingOutside) {
    auto& fs = w.fileSystem;
    fs.addFile(kOutside + "\\canary.txt", 10, fa::kReadOnly);
    fs.addFile(kOutside + "\\sub\\canary2.txt", 10, fa::kHidden);
    fs.addFile("C:\\Users\\Tester\\AppData\\Roaming\\settings.ini", 10);
    fs.addFile("C:\\Users\\Tester\\AppData\\Local\\cache.db", 10);
    fs.addFile("C:\\Windows\\System32\\kernel32.dll", 10, fa::kSystem);
    GetParam().build(fs);
    const auto before = outsideTemp(fs);

    EXPECT_TRUE(CleanTempFolder(w.fileSystem, w.pacing));

    EXPECT_EQ(treeOf(fs, kTemp), GetParam().leftInTemp);
    EXPECT_EQ(outsideTemp(fs), before);
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, TempHazards,
    ::testing::Values(
        HazardCase{"UnixNamesClimbingOutOfTemp",
                   [](auto& fs) {
                       fs.addUnixName(kTemp, "..\\..\\Roaming", fa::kDirectory);
                       fs.addUnixName(kTemp, "..\\cache.db");
                       fs.addUnixName(kTemp, "..\\..\\..\\..\\..\\Windows", fa::kDirectory);
                       fs.addUnixName(kTemp, "../../Roaming", fa::kDirectory);
                       fs.addFile(kTemp + "\\junk.tmp");
                   },
                   {"..\\..\\Roaming", "..\\cache.db", "..\\..\\..\\..\\..\\Windows", "../../Roaming"}},
        HazardCase{"NamesInOtherScripts",
                   [](auto& fs) {
                       fs.addFile(kTemp + "\\Новая папка\\отчёт.docx", 100, fa::kReadOnly);
                       fs.addFile(kTemp + "\\新建文件夹\\数据.tmp");
                       fs.addFile(kTemp + "\\café\\menu.tmp");
                       fs.addFile(kTemp + "\\\xF0\x9F\x8E\x89 party\\\xF0\x9F\x8E\x82.tmp");
                       fs.addFile(kTemp + "\\naïve résumé.tmp", 5, fa::kHidden);
                   },
                   {}},
        HazardCase{"TreeDeeperThan260Characters",
                   [](auto& fs) {
                       std::string deep = kTemp;
                       for (int level = 0; level < 60; ++level) deep += "\\level" + std::to_string(level) + "xxxxxx";
                       fs.addFile(deep + "\\bottom.tmp", 1, fa::kReadOnly);
                   },
                   {}},
        HazardCase{"FileLinkToAReadOnlyFileOutside",
                   [](auto& fs) { fs.addFileLink(kTemp + "\\link.tmp", kOutside + "\\canary.txt"); }, {"link.tmp"}},
        HazardCase{"FolderLinksOutside",
                   [](auto& fs) {
                       fs.addFolderLink(kTemp + "\\outside", kOutside);
                       fs.addFolderLink(kTemp + "\\setup\\escape", kOutside + "\\sub");
                       fs.addFile(kTemp + "\\setup\\x.cab");
                   },
                   {"outside", "setup", "setup\\escape"}},
        HazardCase{"HardLinkToAReadOnlyFileOutsideKeepsItsProtection",
                   [](auto& fs) { fs.addHardLink(kTemp + "\\hard.tmp", kOutside + "\\canary.txt"); }, {"hard.tmp"}},
        HazardCase{"HardLinkToAWritableFileOutsideLosesOnlyItsNameInside",
                   [](auto& fs) { fs.addHardLink(kTemp + "\\hard.tmp", "C:\\Users\\Tester\\AppData\\Local\\cache.db"); },
                   {}},
        HazardCase{"FilesInUseStayTheRestGoes",
                   [](auto& fs) {
                       fs.addFile(kTemp + "\\inuse\\open.log");
                       fs.lock(kTemp + "\\inuse\\open.log");
                       fs.addFolder(kTemp + "\\ro_folder", fa::kDirectory | fa::kReadOnly);
                       fs.addFile(kTemp + "\\ro_folder\\x.tmp", 1, fa::kReadOnly | fa::kSystem);
                   },
                   {"inuse", "inuse\\open.log"}}),
    [](const auto& testCase) { return testCase.param.name; });

TEST_F(TempSweep, ListsEachFolderOnceCompletelyThenDeletesLastFirstWithAttributesCleared) {
    auto& fs = w.fileSystem;
    fs.addFile(kTemp + "\\1.tmp");
    fs.addFile(kTemp + "\\2\\inner.tmp", 1, fa::kHidden);
    fs.addFile(kTemp + "\\3.tmp", 1, fa::kReadOnly);
    fs.log.clear();

    DeleteFolderContents(w.fileSystem, w.pacing, kTemp);

    const std::string t = key(kTemp);
    const std::vector<std::string> expected{
        "list:" + t,                                       // the whole level first
        "attr:" + t + "\\3.tmp",  "del:" + t + "\\3.tmp",  // then the last entry first
        "attr:" + t + "\\2",      "list:" + t + "\\2",    "attr:" + t + "\\2\\inner.tmp",
        "del:" + t + "\\2\\inner.tmp", "rmdir:" + t + "\\2",
        "attr:" + t + "\\1.tmp",  "del:" + t + "\\1.tmp"};
    EXPECT_EQ(fs.log, expected);
    for (const auto& [path, value] : fs.attributeWrites) EXPECT_EQ(value, 0u) << path;
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
    DeleteFolderContents(w.fileSystem, w.pacing, kTemp);
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
            deletionsBeforeFirstEvents = std::count_if(fs.log.begin(), fs.log.end(), [](const std::string& e) {
                return e.rfind("del:", 0) == 0;
            });
        eventTimes.push_back(w.clock.ticks);
    };

    DeleteFolderContents(w.fileSystem, w.pacing, kTemp);
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
    DeleteFolderContents(w.fileSystem, w.pacing, kTemp);
    EXPECT_GE(fs.childrenOf(kTemp).size(), 49u);
}

struct TempPathCase {
    const char* name;
    std::optional<std::string> reported;
    std::string sweptFolder;  // "" when nothing may be swept
    friend void PrintTo(const TempPathCase& c, std::ostream* os) { *os << c.name; }
};
class TempFolderChecks : public TempSweep, public ::testing::WithParamInterface<TempPathCase> {};

TEST_P(TempFolderChecks, SweepsOnlyAnExistingFolderNamedTemp) {
    auto& fs = w.fileSystem;
    const std::string kShortTemp = "C:\\Documents and Settings\\Tester\\Local Settings\\Temp";
    const std::vector<std::string> folders{kTemp, "C:\\Users\\Tester\\AppData\\Local\\tmp", "C:\\Temp", kShortTemp,
                                           "[Unknown]", "C:\\Users\\Łukasz\\Temp"};
    for (const auto& folder : folders) fs.addFile(folder + "\\junk.tmp");
    fs.addShortName("C:\\Documents and Settings", "DOCUME~1");
    fs.addShortName("C:\\Documents and Settings\\Tester\\Local Settings", "LOCALS~1");
    fs.temp = GetParam().reported;

    EXPECT_EQ(CleanTempFolder(w.fileSystem, w.pacing), !GetParam().sweptFolder.empty());
    for (const auto& folder : folders)
        EXPECT_EQ(fs.has(folder + "\\junk.tmp"), key(folder) != key(GetParam().sweptFolder)) << folder;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TempFolderChecks,
    ::testing::Values(TempPathCase{"UsersTemp", "C:\\Users\\Tester\\AppData\\Local\\Temp\\", kTemp},
                      TempPathCase{"BlanksAndOtherCase", "  c:\\users\\tester\\appdata\\local\\TEMP\r\n", kTemp},
                      TempPathCase{"ShortNames", "C:\\DOCUME~1\\Tester\\LOCALS~1\\Temp\\",
                                   "C:\\Documents and Settings\\Tester\\Local Settings\\Temp"},
                      TempPathCase{"DriveTemp", "C:\\Temp\\", "C:\\Temp"},
                      TempPathCase{"NonAsciiUser", "C:\\Users\\Łukasz\\Temp\\", "C:\\Users\\Łukasz\\Temp"},
                      TempPathCase{"NotNamedTemp", "C:\\Users\\Tester\\AppData\\Local\\tmp\\", ""},
                      TempPathCase{"Missing", "C:\\Users\\Nobody\\Temp\\", ""},  // expands to [Unknown]
                      TempPathCase{"DriveRoot", "C:\\", ""}, TempPathCase{"Empty", "", ""},
                      TempPathCase{"NotReported", std::nullopt, ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// A Temp that is a link or junction: judged, and swept, where it leads.
struct TempLinkCase {
    std::string name;
    std::string target;
    bool swept;
    friend void PrintTo(const TempLinkCase& c, std::ostream* os) { *os << c.name; }
};
class TempFolderLinks : public TempSweep, public ::testing::WithParamInterface<TempLinkCase> {};

TEST_P(TempFolderLinks, ARedirectedTempIsSweptOnlyWhenWhereItLeadsIsATempFolder) {
    auto& fs = w.fileSystem;
    fs.addFile(GetParam().target + "\\junk.tmp");
    fs.addFile("C:\\Users\\Tester\\NTUSER.DAT");
    fs.addFolderLink(kTemp, GetParam().target);

    EXPECT_EQ(CleanTempFolder(w.fileSystem, w.pacing), GetParam().swept);
    EXPECT_EQ(fs.has(GetParam().target + "\\junk.tmp"), !GetParam().swept);
    EXPECT_TRUE(fs.has("C:\\Users\\Tester\\NTUSER.DAT"));
    EXPECT_TRUE(fs.has(kTemp));
}

INSTANTIATE_TEST_SUITE_P(Targets, TempFolderLinks,
                         ::testing::Values(TempLinkCase{"ToTheDriveRoot", "C:\\", false},
                                           TempLinkCase{"ToTheUsersProfile", "C:\\Users\\Tester", false},
                                           TempLinkCase{"ToASharedFolder", "C:\\Users\\Public", false},
                                           TempLinkCase{"ToAnotherTemp", "D:\\Temp", true}),
                         [](const auto& testCase) { return testCase.param.name; });

struct EntryNameCase {
    std::string name;
    std::string entry;
    bool joined;
    friend void PrintTo(const EntryNameCase& c, std::ostream* os) { *os << c.name; }
};
class EntryNames : public ::testing::TestWithParam<EntryNameCase> {};

TEST_P(EntryNames, OnlyOneComponentLeadingInsideIsJoined) {
    const std::string folder = "C:\\Users\\Tester\\Temp\\sub\\";
    const auto path = EntryPathInside(folder, GetParam().entry, "C:\\Users\\Tester\\Temp\\");
    EXPECT_EQ(path.has_value(), GetParam().joined);
    if (path) {
        EXPECT_EQ(*path, folder + GetParam().entry);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, EntryNames,
                         ::testing::Values(EntryNameCase{"Plain", "report.tmp", true},
                                           EntryNameCase{"Cyrillic", "Новая папка", true},
                                           EntryNameCase{"ThreeDots", "...", true},
                                           EntryNameCase{"LeadingDots", "..hidden", true},
                                           EntryNameCase{"Dot", ".", false}, EntryNameCase{"DotDot", "..", false},
                                           EntryNameCase{"Empty", "", false},
                                           EntryNameCase{"BackslashClimb", "..\\AppData", false},
                                           EntryNameCase{"SlashClimb", "../AppData", false},
                                           EntryNameCase{"InnerBackslash", "a\\b", false},
                                           EntryNameCase{"StreamColon", "file:stream", false},
                                           EntryNameCase{"Wildcard", "*.tmp", false}),
                         [](const auto& testCase) { return testCase.param.name; });

struct NormaliseCase {
    std::string name;
    std::string path;
    std::string normalised;
    friend void PrintTo(const NormaliseCase& c, std::ostream* os) { *os << c.name; }
};
class Normalise : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(Normalise, AppliesDotsAndSeparatorsButNeverClimbsAboveTheRoot) {
    EXPECT_EQ(NormalisedPath(GetParam().path), GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(Paths, Normalise,
                         ::testing::Values(NormaliseCase{"Climb", "C:\\Temp\\..\\AppData", "C:\\AppData"},
                                           NormaliseCase{"AboveRoot", "C:\\Temp\\..\\..\\..\\Windows", "C:\\Windows"},
                                           NormaliseCase{"SlashesAndDots", "C:/Temp/./a//b/", "C:\\Temp\\a\\b"},
                                           NormaliseCase{"Share", "\\\\srv\\share\\..\\x", "\\\\srv\\share\\x"},
                                           NormaliseCase{"Relative", "a\\..\\b", "a\\..\\b"}),
                         [](const auto& testCase) { return testCase.param.name; });

struct TrimCase {
    std::string name;
    std::string path;
    std::string withSeparator;
    friend void PrintTo(const TrimCase& c, std::ostream* os) { *os << c.name; }
};
class SeparatorHelpers : public ::testing::TestWithParam<TrimCase> {};

TEST_P(SeparatorHelpers, TrimOnlyBlanksAndControlCharacters) {
    EXPECT_EQ(AddTrailingSeparator(GetParam().path), GetParam().withSeparator);
    EXPECT_EQ(RemoveTrailingSeparator(GetParam().withSeparator + "\\"), GetParam().withSeparator);
}

INSTANTIATE_TEST_SUITE_P(Paths, SeparatorHelpers,
                         ::testing::Values(TrimCase{"Cyrillic", "C:\\Temp\\Новая папка", "C:\\Temp\\Новая папка\\"},
                                           TrimCase{"AccentedEnd", " C:\\Temp\\café\t", "C:\\Temp\\café\\"},
                                           TrimCase{"NoBreakSpaceKept", "C:\\Temp\\a\xC2\xA0", "C:\\Temp\\a\xC2\xA0\\"},
                                           TrimCase{"ControlsTrimmed", "\r\nC:\\Temp\\x\x01", "C:\\Temp\\x\\"}),
                         [](const auto& testCase) { return testCase.param.name; });

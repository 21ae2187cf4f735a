#include "cleaning/clean_up.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "cleaning/entry_path.h"
#include "cleaning/folder_sweep.h"
#include "cleaning/path_helpers.h"

namespace sparvane::cleaning {

namespace fa = platform::file_attribute;

namespace {

// Whether `text` ends with `suffix` (ASCII, any case).
bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    const std::string_view last = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(last[i])) != std::tolower(static_cast<unsigned char>(suffix[i])))
            return false;
    return true;
}

bool isShortcut(const platform::DirEntry& entry) {
    return (entry.attributes & (fa::kDirectory | fa::kReparsePoint)) == 0 && endsWithNoCase(entry.name, ".lnk");
}

// Deletes the shortcuts lying directly in the Recent folder. True when the folder could be
// read afterwards and holds none.
bool removeRecentShortcuts(platform::FileSystem& fs) {
    const auto recent = fs.specialFolderPath(0, platform::kCsidlRecent);
    if (!recent || recent->empty()) return false;
    const std::string base = addTrailingSeparator(*recent);
    const auto before = fs.listFolder(base);
    if (!before) return false;
    for (const auto& entry : *before) {
        if (!isShortcut(entry)) continue;
        const auto path = entryPathInside(base, entry.name, base);
        if (!path) continue;
        const auto facts = fs.inspectEntry(*path);
        if (!mayChange(facts) || (facts->attributes & fa::kDirectory) != 0) continue;
        removeFileEntry(fs, *path, *facts);
    }
    // Shortcuts that had to be left alone (a strange name, a link) keep the task from
    // reporting success.
    const auto after = fs.listFolder(base);
    return after && std::none_of(after->begin(), after->end(), isShortcut);
}

// A temporary folder's own name: "...\Temp", or "...\Temp\<session number>", the
// per-session folder Windows gives each Remote Desktop session.
bool namedTemp(const std::string& path) {
    std::string folder = removeTrailingSeparator(path);
    const std::size_t slash = folder.find_last_of('\\');
    if (slash != std::string::npos && slash + 1 < folder.size() &&
        std::all_of(folder.begin() + static_cast<std::ptrdiff_t>(slash) + 1, folder.end(),
                    [](char c) { return c >= '0' && c <= '9'; }))
        folder.resize(slash);
    return endsWithNoCase(folder, "\\temp");
}

// The checks every temporary folder must pass before it is swept, applied to the path as
// reported and again to where it leads: only a folder named temp is ever swept, never a
// bare drive root, and only one that exists. A temporary path that the user or a program
// pointed somewhere else (a profile, a drive root, a shared folder) is left alone.
bool isSweepableTemp(platform::FileSystem& fs, const std::string& folder) {
    if (!namedTemp(folder)) return false;
    // A separator at or after the fourth character: "C:\" alone is never swept.
    if (addTrailingSeparator(folder).find('\\', 3) == std::string::npos) return false;
    return fs.exists(addTrailingSeparator(folder));
}

}  // namespace

bool cleanTempFolder(platform::FileSystem& fs, const EventPacing& pacing) {
    const auto reported = fs.tempPath();
    if (!reported) return false;
    const std::string temp = removeTrailingSeparator(trimBlanksAndControls(*reported));
    if (!namedTemp(temp)) return false;

    const std::string expanded = getProperCasePath(fs, addTrailingSeparator(temp));
    // "[Unknown]" is a relative name: checking it for existence would look in the current
    // folder, so it is refused by name before anything else.
    if (expanded == kUnknownPath || !isSweepableTemp(fs, expanded)) return false;

    // A Temp that is a link or junction is judged by where it leads, and swept there: the
    // sweep only changes entries whose final path is their own.
    const auto target = fs.finalPath(expanded);
    if (!target || !isSweepableTemp(fs, *target)) return false;

    deleteFolderContents(fs, pacing, addTrailingSeparator(*target));
    return true;
}

bool emptyRecycleBins(platform::FileSystem& fs, platform::RecycleBin& bin, platform::WindowManager& windows,
                      const EventPacing& pacing) {
    bool anyFixed = false;
    bool everyBinQueried = true;
    // Without an active window of ours the bin is emptied without an owner: there is no
    // confirmation or progress window that would need one.
    const platform::WindowHandle owner = windows.activeWindow();
    const auto letEventsRun = [&pacing] { pacing.app.doEvents(); };

    const auto drives = fs.logicalDriveStrings();
    if (!drives) return false;
    std::size_t start = 0;
    while (start < drives->size()) {
        const std::size_t end = std::min(drives->find('\0', start), drives->size());
        const std::string root = drives->substr(start, end - start);
        start = end + 1;
        if (root.empty() || fs.driveType(root) != platform::kDriveFixed) continue;
        anyFixed = true;
        const auto info = bin.query(root, letEventsRun);
        // One drive whose bin cannot be looked at does not keep the others' bins from
        // being looked at; the task then reports that not every bin was checked.
        if (!info) {
            everyBinQueried = false;
            continue;
        }
        if (info->items >= 1) {
            // One call empties the bins of every drive; the later drives' queries find
            // theirs empty. A refused emptying is a failed task, not a done one.
            constexpr unsigned kQuiet = platform::recycle_flags::kNoConfirmation |
                                        platform::recycle_flags::kNoProgressUi | platform::recycle_flags::kNoSound;
            if (!bin.emptyAll(owner, kQuiet, letEventsRun)) return false;
            bin.updateIcon();
        }
    }
    return anyFixed && everyBinQueried;
}

bool clearRecentDocuments(platform::RecentDocuments& recentDocuments, platform::FileSystem& fs) {
    const bool shellCleared = recentDocuments.clearList() == 0;
    // Some shells (Wine's among them) forget the list but leave its shortcuts in the Recent
    // folder, where Explorer still shows them: those are removed here.
    const bool folderCleared = removeRecentShortcuts(fs);
    return shellCleared && folderCleared;
}

}  // namespace sparvane::cleaning

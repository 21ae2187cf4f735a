#include "cleaning/clean_up.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "cleaning/path_helpers.h"
#include "common/trim_str.h"

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
bool RemoveRecentShortcuts(Context& ctx) {
    auto& fs = ctx.services.fileSystem;
    const auto recent = fs.specialFolderPath(0, platform::kCsidlRecent);
    if (!recent || recent->empty()) return false;
    const std::string base = AddTrailingSeparator(*recent);
    const auto before = fs.listFolder(base);
    if (!before) return false;
    for (const auto& entry : *before) {
        if (!isShortcut(entry)) continue;
        const std::string path = base + entry.name;
        (void)fs.setAttributes(path, 0);
        (void)fs.deleteFile(path);
    }
    const auto after = fs.listFolder(base);
    return after && std::none_of(after->begin(), after->end(), isShortcut);
}

}  // namespace

bool CleanTempFolder(Context& ctx) {
    auto& fs = ctx.services.fileSystem;
    const auto reported = fs.tempPath();
    if (!reported) return false;
    const std::string temp = RemoveTrailingSeparator(common::TrimStr(*reported));
    // Only a folder named temp is ever swept: a temporary path that the user or a program
    // pointed somewhere else (a profile, a drive root) is left alone.
    if (!endsWithNoCase(temp, "\\temp")) return false;

    const std::string expanded = GetProperCasePath(fs, AddTrailingSeparator(temp));
    // "[Unknown]" is a relative name: checking it for existence would look in the current
    // folder, so it is refused by name before anything else.
    if (expanded == kUnknownPath) return false;
    const std::string folder = AddTrailingSeparator(expanded);
    // A separator at or after the fourth character: "C:\" alone is never swept.
    if (folder.find('\\', 3) == std::string::npos) return false;
    if (!PathExists(fs, folder)) return false;

    DeleteFolderContents(ctx, folder);
    return true;
}

void ClearCollection(EntryCollection& collection) {
    if (!collection) return;
    while (!collection->empty()) collection->pop_back();
    collection.reset();
}

void DeleteFolderContents(Context& ctx, const std::string& folder) {
    auto& fs = ctx.services.fileSystem;
    const std::string base = AddTrailingSeparator(folder);

    // The whole level is listed before anything in it is touched or any deeper level is
    // listed: deleting while enumerating would make the listing skip or repeat entries.
    EntryCollection entries = std::make_unique<std::vector<std::string>>();
    std::vector<bool> listedAsLink;
    if (auto listing = fs.listFolder(base)) {
        entries->reserve(listing->size());
        for (const auto& entry : *listing) {
            if (entry.name != "." && entry.name != ".." && !entry.name.empty()) {
                entries->push_back(base + entry.name);
                listedAsLink.push_back((entry.attributes & fa::kReparsePoint) != 0);
            }
            // A large folder must not freeze the window while it is read.
            ctx.app.doEvents();
        }
    }

    for (std::size_t i = entries->size(); i-- > 0;) {
        const std::string& path = (*entries)[i];
        // Attributes are read again now: events ran since the listing and the entry may
        // have changed. A link is skipped whatever it points at. Under Wine deleting a link
        // deletes its target, and entering one would sweep a folder outside this one.
        const auto attributes = fs.attributes(path);
        if (!attributes || listedAsLink[i] || (*attributes & fa::kReparsePoint) != 0) continue;
        // Clearing read-only, hidden and system first lets the deletion go through.
        (void)fs.setAttributes(path, 0);
        if ((*attributes & fa::kDirectory) != 0) {
            DeleteFolderContents(ctx, path);
            // Removes the folder only if it is empty now: whatever stayed (a file in use, a
            // link) keeps its folder too.
            (void)fs.removeFolder(path);
        } else {
            (void)fs.deleteFile(path);  // a file in use stays
        }
    }
    ClearCollection(entries);
}

bool EmptyRecycleBins(Context& ctx) {
    auto& fs = ctx.services.fileSystem;
    auto& bin = ctx.services.recycleBin;
    bool result = false;
    // Without an active window of ours the bin is emptied without an owner: there is no
    // confirmation or progress window that would need one.
    const forms::WindowHandle owner = ctx.services.windows.activeWindow();

    const auto drives = fs.logicalDriveStrings();
    if (!drives) return false;
    std::size_t start = 0;
    while (start < drives->size()) {
        const std::size_t end = std::min(drives->find('\0', start), drives->size());
        const std::string root = drives->substr(start, end - start);
        start = end + 1;
        if (root.empty() || fs.driveType(root) != platform::kDriveFixed) continue;
        const auto info = bin.query(root);
        if (!info) return result;
        if (info->items >= 1) {
            // One call empties the bins of every drive; the later drives' queries find
            // theirs empty. A refused emptying is a failed task, not a done one.
            if (!bin.emptyAll(owner, platform::recycle_flags::kNoConfirmation |
                                         platform::recycle_flags::kNoProgressUi |
                                         platform::recycle_flags::kNoSound))
                return false;
            bin.updateIcon();
        }
        result = true;
    }
    return result;
}

bool ClearRecentDocuments(Context& ctx) {
    const bool shellCleared = ctx.services.recentDocuments.clearList() == 0;
    // Some shells (Wine's among them) forget the list but leave its shortcuts in the Recent
    // folder, where Explorer still shows them: those are removed here.
    const bool folderCleared = RemoveRecentShortcuts(ctx);
    return shellCleared && folderCleared;
}

}  // namespace sparvane::cleaning

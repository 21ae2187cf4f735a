#include "cleaning/folder_sweep.h"

#include "cleaning/entry_path.h"
#include "cleaning/event_pacer.h"
#include "cleaning/path_helpers.h"

namespace sparvane::cleaning {

namespace fa = platform::file_attribute;

namespace {

// One folder of the sweep: its entries, listed whole, and how many are still to be done.
struct Level {
    std::string folder;  // ends with "\"
    std::vector<std::string> entries;
    std::size_t remaining = 0;
};

// Lists one level. Only names that are one component and lead inside `root` are kept.
Level listLevel(platform::FileSystem& fs, EventPacer& pacer, std::string folder, const std::string& root,
                bool& ending) {
    Level level{std::move(folder), {}, 0};
    (void)fs.forEachEntry(level.folder, [&](const platform::DirEntry& entry) {
        if (auto path = entryPathInside(level.folder, entry.name, root)) level.entries.push_back(std::move(*path));
        // A folder of tens of thousands of entries must not freeze the window while it is read.
        if (!pacer.step()) ending = true;
    });
    level.remaining = level.entries.size();
    return level;
}

// The attributes a program may set on an entry (SetFileInformationByHandle refuses or
// ignores the others, the directory bit among them).
std::uint32_t settable(std::uint32_t attributes) {
    return attributes & (fa::kReadOnly | fa::kHidden | fa::kSystem | fa::kArchive | fa::kTemporary | fa::kOffline |
                         fa::kNotContentIndexed);
}

// Only read-only keeps Windows from deleting a file or removing a folder; hidden and system
// do not, so they are never touched.
std::uint32_t withoutReadOnly(std::uint32_t attributes) { return settable(attributes) & ~fa::kReadOnly; }

}  // namespace

bool mayChange(const std::optional<platform::EntryFacts>& facts) {
    return facts && facts->itself && (facts->attributes & fa::kReparsePoint) == 0;
}

void removeFileEntry(platform::FileSystem& fs, const std::string& path, const platform::EntryFacts& facts) {
    const bool unprotect = (facts.attributes & fa::kReadOnly) != 0 && facts.names <= 1;
    if (unprotect && !fs.setAttributes(path, withoutReadOnly(facts.attributes))) return;
    if (fs.deleteFile(path)) return;
    // A file in use stays, and stays as it was: Windows lets the attributes of a file held
    // open without sharing change, so the protection is put back.
    if (unprotect) (void)fs.setAttributes(path, settable(facts.attributes));
}

void removeEmptiedFolder(platform::FileSystem& fs, const std::string& path) {
    const auto facts = fs.inspectEntry(path);
    if (!mayChange(facts)) return;
    const bool unprotect = (facts->attributes & fa::kReadOnly) != 0;
    if (unprotect && !fs.setAttributes(path, withoutReadOnly(facts->attributes))) return;
    if (!fs.removeFolder(path) && unprotect) (void)fs.setAttributes(path, settable(facts->attributes));
}

void deleteFolderContents(platform::FileSystem& fs, const EventPacing& pacing, const std::string& folder) {
    EventPacer pacer(pacing);
    bool ending = false;
    const std::string root = addTrailingSeparator(folder);

    // The levels being worked on, outermost first. An explicit stack rather than recursion:
    // a tree can be thousands of levels deep (long paths allow 32,767 characters).
    std::vector<Level> levels;
    levels.push_back(listLevel(fs, pacer, root, root, ending));
    while (!levels.empty() && !ending) {
        Level& level = levels.back();
        if (level.remaining == 0) {
            std::string done = level.folder;
            levels.pop_back();
            // An emptied subfolder goes too, if nothing stayed in it (a file in use, a link).
            if (!levels.empty()) {
                done.pop_back();
                removeEmptiedFolder(fs, done);
            }
            if (!pacer.step()) ending = true;
            continue;
        }
        const std::string path = level.entries[--level.remaining];
        // Read now, not at listing time: events ran since, and the entry may have been
        // replaced by a link meanwhile.
        const auto facts = fs.inspectEntry(path);
        if (!mayChange(facts)) continue;
        if ((facts->attributes & fa::kDirectory) != 0) {
            levels.push_back(listLevel(fs, pacer, path + "\\", root, ending));
        } else {
            removeFileEntry(fs, path, *facts);
            if (!pacer.step()) ending = true;
        }
    }
}

}  // namespace sparvane::cleaning

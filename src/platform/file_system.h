#pragma once
// Files and folders. Paths are UTF-8 Windows paths with "\" separators.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

namespace file_attribute {
constexpr std::uint32_t kReadOnly = 0x1;
constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
constexpr std::uint32_t kNormal = 0x80;
constexpr std::uint32_t kTemporary = 0x100;
constexpr std::uint32_t kOffline = 0x1000;
constexpr std::uint32_t kNotContentIndexed = 0x2000;
// Junctions, symbolic links and mount points. The program never enters or deletes them.
constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace file_attribute

constexpr int kDriveFixed = 3;
constexpr int kCsidlRecent = 8;

struct DirEntry {
    std::string name;  // name only, not the full path; untrusted (see the sweep's name rules)
    std::uint32_t attributes = 0;
};

// What an entry is, read through a handle opened on the name itself (links not followed).
struct EntryFacts {
    std::uint32_t attributes = 0;
    // The name leads to the entry itself: no reparse point (link, junction, mount point) and
    // the opened entry's final path is the path that was asked about. Under Wine a link to a
    // file lists as a plain file; only its final path gives it away.
    bool itself = false;
    // How many names (hard links) the file has. Its attributes belong to every one of them.
    std::uint32_t names = 1;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // GetTempPath: the user's temporary folder as the system reports it (usually with a
    // trailing separator); nullopt when the call fails.
    [[nodiscard]] virtual std::optional<std::string> tempPath() = 0;
    // Hands every entry of a folder to `visit` as it is read, hidden and system ones
    // included, in the system's order; "." and ".." are left out. False when the folder
    // cannot be listed.
    [[nodiscard]] virtual bool forEachEntry(const std::string& folder,
                                            const std::function<void(const DirEntry&)>& visit) = 0;
    // The whole listing at once; nullopt when the folder cannot be listed.
    [[nodiscard]] std::optional<std::vector<DirEntry>> listFolder(const std::string& folder) {
        std::vector<DirEntry> entries;
        if (!forEachEntry(folder, [&](const DirEntry& e) { entries.push_back(e); })) return std::nullopt;
        return entries;
    }
    // The entry a path names, inspected without following links; nullopt when it cannot be
    // opened or read (an entry that cannot be inspected is never changed).
    [[nodiscard]] virtual std::optional<EntryFacts> inspectEntry(const std::string& path) = 0;
    // Where the path leads once every link on the way is followed, without a trailing
    // separator; nullopt when it cannot be opened.
    [[nodiscard]] virtual std::optional<std::string> finalPath(const std::string& path) = 0;
    // The name of the one entry that `path` names, as the file system spells it (files,
    // folders, hidden and system entries); nullopt when there is none.
    [[nodiscard]] virtual std::optional<std::string> entryName(const std::string& path) = 0;
    [[nodiscard]] virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
    // The three changes below act on the entry itself only: a name that is not itself (see
    // EntryFacts) is refused, so nothing a link leads to is ever touched.
    [[nodiscard]] virtual bool setAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // Deletes one file. A read-only file is refused: its attributes are cleared first by a
    // caller that may (a file with other names outside keeps its protection).
    [[nodiscard]] virtual bool deleteFile(const std::string& path) = 0;
    // Removes one empty folder; a folder that still holds something stays.
    [[nodiscard]] virtual bool removeFolder(const std::string& path) = 0;
    [[nodiscard]] virtual bool exists(const std::string& path) = 0;
    // Total size in bytes of the files below a folder (links are not followed).
    [[nodiscard]] virtual std::optional<std::uint64_t> folderSize(const std::string& folder) = 0;
    // GetLogicalDriveStrings: roots such as "C:\" each ended by a NUL; nullopt on failure.
    [[nodiscard]] virtual std::optional<std::string> logicalDriveStrings() = 0;
    [[nodiscard]] virtual int driveType(const std::string& root) = 0;
    // Path of a shell special folder (CSIDL number); nullopt when the shell cannot resolve it.
    [[nodiscard]] virtual std::optional<std::string> specialFolderPath(WindowHandle owner, int csidl) = 0;
};

}  // namespace platform

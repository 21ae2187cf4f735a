#pragma once
// Files and folders. Paths are UTF-8 Windows paths with "\" separators.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "forms/types.h"

namespace platform {

namespace file_attribute {
constexpr std::uint32_t kReadOnly = 0x1;
constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
constexpr std::uint32_t kNormal = 0x80;
// Junctions, symbolic links and mount points. The program never enters or deletes them.
constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace file_attribute

constexpr int kDriveFixed = 3;
constexpr int kCsidlRecent = 8;

struct DirEntry {
    std::string name;  // name only, not the full path
    std::uint32_t attributes = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // GetTempPath: the user's temporary folder as the system reports it (usually with a
    // trailing separator); nullopt when the call fails.
    [[nodiscard]] virtual std::optional<std::string> tempPath() = 0;
    // Every entry of a folder, hidden and system ones included, in the system's order;
    // "." and ".." are left out. nullopt when the folder cannot be listed.
    [[nodiscard]] virtual std::optional<std::vector<DirEntry>> listFolder(const std::string& folder) = 0;
    // The name of the one entry that `path` names, as the file system spells it (files,
    // folders, hidden and system entries); nullopt when there is none.
    [[nodiscard]] virtual std::optional<std::string> entryName(const std::string& path) = 0;
    [[nodiscard]] virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
    [[nodiscard]] virtual bool setAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // Deletes one file (read-only ones too). Never called on a link.
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
    [[nodiscard]] virtual std::optional<std::string> specialFolderPath(forms::WindowHandle owner, int csidl) = 0;
};

}  // namespace platform

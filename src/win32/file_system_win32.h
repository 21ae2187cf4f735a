#pragma once
// Files, folders, drives and shell special folders through the wide-character API. Absolute
// paths are handed to the system in their "\\?\" form: no 260-character limit, and no
// rewriting of names (trailing dots and blanks, "." and "..") behind the caller's back.
#include "platform/file_system.h"

namespace win32 {

class FileSystemWin32 final : public platform::FileSystem {
public:
    [[nodiscard]] std::optional<std::string> tempPath() override;
    [[nodiscard]] bool forEachEntry(const std::string& folder,
                                    const std::function<void(const platform::DirEntry&)>& visit) override;
    [[nodiscard]] std::optional<platform::EntryFacts> inspectEntry(const std::string& path) override;
    [[nodiscard]] std::optional<std::string> finalPath(const std::string& path) override;
    [[nodiscard]] std::optional<std::string> entryName(const std::string& path) override;
    [[nodiscard]] std::optional<std::uint32_t> attributes(const std::string& path) override;
    [[nodiscard]] bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    [[nodiscard]] bool deleteFile(const std::string& path) override;
    [[nodiscard]] bool removeFolder(const std::string& path) override;
    [[nodiscard]] bool exists(const std::string& path) override;
    [[nodiscard]] std::optional<std::uint64_t> folderSize(const std::string& folder) override;
    [[nodiscard]] std::optional<std::string> logicalDriveStrings() override;
    [[nodiscard]] int driveType(const std::string& root) override;
    [[nodiscard]] std::optional<std::string> specialFolderPath(platform::WindowHandle owner, int csidl) override;
};

}  // namespace win32

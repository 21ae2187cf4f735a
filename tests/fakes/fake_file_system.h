#pragma once
// A file tree in memory: folders, files with sizes and attributes, locked files, and folder
// links that behave as Wine's do (deleting through a link reaches the target).
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace fakes {

class FakeFileSystem : public platform::FileSystem {
public:
    FakeFileSystem();

    std::optional<std::string> temp = std::string("C:\\Users\\Tester\\AppData\\Local\\Temp\\");
    std::optional<std::string> drives = std::string("C:\\", 3) + std::string(1, '\0');
    std::map<std::string, int> driveTypes{{"C:\\", platform::kDriveFixed}};
    std::map<int, std::string> specialFolders{
        {platform::kCsidlRecent, "C:\\Users\\Tester\\AppData\\Roaming\\Microsoft\\Windows\\Recent"}};

    // Building the tree (parents are created as needed). Paths are case-insensitive.
    void addFolder(const std::string& path, std::uint32_t attributes = platform::file_attribute::kDirectory);
    void addFile(const std::string& path, std::uint64_t size = 1, std::uint32_t attributes = platform::file_attribute::kArchive);
    // A folder link (junction or symbolic link) at `path` pointing at folder `target`.
    void addFolderLink(const std::string& path, const std::string& target);
    void lock(const std::string& path) { locked_.insert(key(path)); }
    // A short (8.3) name under which the entry at `path` can also be named, as in
    // "C:\DOCUME~1". entryName and exists understand paths with short components.
    void addShortName(const std::string& path, const std::string& shortName);
    // As DeleteFile and RemoveDirectory do: a read-only file or folder is refused until its
    // read-only attribute is cleared. Off by default (the interface's deleteFile promises to
    // delete read-only files).
    bool readOnlyBlocksDeletion = false;

    bool has(const std::string& path) const { return nodes_.count(key(path)) != 0; }
    std::vector<std::string> childrenOf(const std::string& folder) const;  // names
    // Every operation that touched the disk, in order: "list:<path>", "del:<path>",
    // "rmdir:<path>", "attr:<path>".
    std::vector<std::string> log;
    // Every setAttributes call: full key and the value asked for.
    std::vector<std::pair<std::string, std::uint32_t>> attributeWrites;

    // platform::FileSystem
    std::optional<std::string> tempPath() override { return temp; }
    std::optional<std::vector<platform::DirEntry>> listFolder(const std::string& folder) override;
    std::optional<std::string> entryName(const std::string& path) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    bool deleteFile(const std::string& path) override;
    bool removeFolder(const std::string& path) override;
    bool exists(const std::string& path) override;
    std::optional<std::uint64_t> folderSize(const std::string& folder) override;
    std::optional<std::string> logicalDriveStrings() override { return drives; }
    int driveType(const std::string& root) override;
    std::optional<std::string> specialFolderPath(forms::WindowHandle owner, int csidl) override;

private:
    struct Node {
        std::string name;
        std::string parent;  // key of the parent folder
        std::uint32_t attributes = 0;
        std::uint64_t size = 0;
        std::string linkTarget;  // key of the target, for links
        std::uint64_t order = 0;
    };
    static std::string key(const std::string& path);
    // The key of the entry a path names, short components expanded.
    std::string resolve(const std::string& path) const;
    void ensureParents(const std::string& k);
    void eraseTree(const std::string& k);
    bool isDir(const Node& n) const { return (n.attributes & platform::file_attribute::kDirectory) != 0; }

    std::map<std::string, Node> nodes_;
    std::set<std::string> locked_;
    std::map<std::string, std::string> shortNames_;  // key of the short path -> key of the entry
    std::uint64_t nextOrder_ = 0;
};

}  // namespace fakes

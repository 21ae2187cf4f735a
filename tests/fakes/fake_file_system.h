#pragma once
// A file tree in memory: folders, files with sizes and attributes, locked files, and the
// hazards of a real desktop as Wine presents them: folder and file links (changing or
// deleting through one reaches the target), hard links sharing their attributes, and Unix
// names holding "\" that are listed verbatim. Paths given to it are resolved as the system
// resolves them ("\\?\" taken off, "." and ".." applied), so a sweep that joins an
// untrusted name into a path really does reach outside in a test. Its changes act on
// whatever a path leads to, like the raw system calls: the program's own checks are what
// must keep a test's canaries.
#include <cstdint>
#include <functional>
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
    void addFile(const std::string& path, std::uint64_t size = 1,
                 std::uint32_t attributes = platform::file_attribute::kArchive);
    // A folder link (junction or symbolic link) at `path` pointing at folder `target`.
    void addFolderLink(const std::string& path, const std::string& target);
    // A symbolic link to a file: listed as a plain file with the target's attributes, and
    // every attribute change or deletion through it reaches the target (Wine's behaviour).
    void addFileLink(const std::string& path, const std::string& target);
    // An entry whose Unix name no Windows path can name (it holds "\"): listed verbatim in
    // `folder`, reachable by no path.
    void addUnixName(const std::string& folder, const std::string& name,
                     std::uint32_t attributes = platform::file_attribute::kArchive);
    void lock(const std::string& path) { locked_.insert(key(path)); }
    // A short (8.3) name under which the entry at `path` can also be named, as in
    // "C:\DOCUME~1". entryName and exists understand paths with short components.
    void addShortName(const std::string& path, const std::string& shortName);

    bool has(const std::string& path) const { return nodes_.count(key(path)) != 0; }
    std::vector<std::string> childrenOf(const std::string& folder) const;  // names
    std::optional<std::uint32_t> attributesOf(const std::string& path) const;
    // Every operation that touched the disk, in order: "list:<path>", "del:<path>",
    // "rmdir:<path>", "attr:<path>".
    std::vector<std::string> log;
    // Every setAttributes call: full key and the value asked for.
    std::vector<std::pair<std::string, std::uint32_t>> attributeWrites;
    // Runs at every call and every listed entry (a test lets time pass with it).
    std::function<void()> onOperation;

    // platform::FileSystem
    std::optional<std::string> tempPath() override { return temp; }
    bool forEachEntry(const std::string& folder, const std::function<void(const platform::DirEntry&)>& visit) override;
    std::optional<platform::EntryFacts> inspectEntry(const std::string& path) override;
    std::optional<std::string> finalPath(const std::string& path) override;
    std::optional<std::string> entryName(const std::string& path) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    bool deleteFile(const std::string& path) override;
    bool removeFolder(const std::string& path) override;
    bool exists(const std::string& path) override;
    std::optional<std::uint64_t> folderSize(const std::string& folder) override;
    std::optional<std::string> logicalDriveStrings() override { return drives; }
    int driveType(const std::string& root) override;
    std::optional<std::string> specialFolderPath(platform::WindowHandle owner, int csidl) override;

private:
    struct Node {
        std::string name;
        std::string parent;  // key of the parent folder
        std::uint32_t attributes = 0;
        std::uint64_t size = 0;
        std::string linkTarget;  // key of the target, for folder and file links
        std::uint64_t order = 0;
    };
    static std::string key(const std::string& path);
    // The key of the entry a path names, short components expanded.
    std::string resolve(const std::string& path) const;
    void ensureParents(const std::string& k);
    void addNode(const std::string& path, std::uint32_t attributes, std::uint64_t size);
    void eraseTree(const std::string& k);
    Node* find(const std::string& k);
    const Node* find(const std::string& k) const;
    // The node holding an entry's data: a file link's target, a hard link's first name.
    Node* dataNode(Node& n);
    const Node* dataNode(const Node& n) const;
    bool isDir(const Node& n) const { return (n.attributes & platform::file_attribute::kDirectory) != 0; }
    void touched() {
        if (onOperation) onOperation();
    }

    std::map<std::string, Node> nodes_;
    std::vector<Node> unixNames_;  // never reachable by a path
    std::set<std::string> locked_;
    std::map<std::string, std::string> shortNames_;  // key of the short path -> key of the entry
    std::uint64_t nextOrder_ = 0;
};

}  // namespace fakes

#include "fakes/fake_file_system.h"

#include <algorithm>
#include <cctype>

namespace fakes {

namespace fa = platform::file_attribute;

FakeFileSystem::FakeFileSystem() {
    addFolder(*temp);
    addFolder(specialFolders[platform::kCsidlRecent]);
}

std::string FakeFileSystem::key(const std::string& path) {
    std::string k;
    k.reserve(path.size());
    for (char c : path) {
        if (c == '/') c = '\\';
        if (c == '\\' && !k.empty() && k.back() == '\\') continue;
        k.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    while (k.size() > 3 && k.back() == '\\') k.pop_back();  // keep "c:\"
    if (k.size() == 2 && k[1] == ':') k.push_back('\\');
    return k;
}

static std::string parentKeyOf(const std::string& k) {
    const auto pos = k.find_last_of('\\');
    if (pos == std::string::npos || k.size() <= 3) return {};
    return pos < 3 ? k.substr(0, 3) : k.substr(0, pos);
}

static std::string nameOf(const std::string& path) {
    std::string p = path;
    while (p.size() > 3 && (p.back() == '\\' || p.back() == '/')) p.pop_back();
    const auto pos = p.find_last_of("\\/");
    return pos == std::string::npos ? p : p.substr(pos + 1);
}

void FakeFileSystem::ensureParents(const std::string& k) {
    std::string parent = parentKeyOf(k);
    if (parent.empty() || nodes_.count(parent)) return;
    ensureParents(parent);
    Node n;
    n.name = nameOf(parent);
    n.parent = parentKeyOf(parent);
    n.attributes = fa::kDirectory;
    n.order = nextOrder_++;
    nodes_[parent] = n;
}

void FakeFileSystem::addFolder(const std::string& path, std::uint32_t attributes) {
    const std::string k = key(path);
    ensureParents(k);
    Node n;
    n.name = nameOf(path);
    n.parent = parentKeyOf(k);
    n.attributes = attributes | fa::kDirectory;
    n.order = nextOrder_++;
    nodes_[k] = n;
}

void FakeFileSystem::addFile(const std::string& path, std::uint64_t size, std::uint32_t attributes) {
    const std::string k = key(path);
    ensureParents(k);
    Node n;
    n.name = nameOf(path);
    n.parent = parentKeyOf(k);
    n.attributes = attributes & ~fa::kDirectory;
    n.size = size;
    n.order = nextOrder_++;
    nodes_[k] = n;
}

void FakeFileSystem::addFolderLink(const std::string& path, const std::string& target) {
    const std::string k = key(path);
    ensureParents(k);
    Node n;
    n.name = nameOf(path);
    n.parent = parentKeyOf(k);
    n.attributes = fa::kDirectory | fa::kReparsePoint;
    n.linkTarget = key(target);
    n.order = nextOrder_++;
    nodes_[k] = n;
}

std::vector<std::string> FakeFileSystem::childrenOf(const std::string& folder) const {
    std::vector<std::pair<std::uint64_t, std::string>> found;
    const std::string k = key(folder);
    for (const auto& [nk, n] : nodes_)
        if (n.parent == k) found.emplace_back(n.order, n.name);
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& f : found) names.push_back(f.second);
    return names;
}

std::optional<std::vector<platform::DirEntry>> FakeFileSystem::listFolder(const std::string& folder) {
    std::string k = key(folder);
    log.push_back("list:" + k);
    auto it = nodes_.find(k);
    if (it == nodes_.end() || !isDir(it->second)) return std::nullopt;
    if (!it->second.linkTarget.empty()) k = it->second.linkTarget;  // listing through a link shows the target
    std::vector<std::pair<std::uint64_t, platform::DirEntry>> found;
    for (const auto& [nk, n] : nodes_)
        if (n.parent == k) found.push_back({n.order, {n.name, n.attributes}});
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<platform::DirEntry> out;
    for (auto& f : found) out.push_back(f.second);
    return out;
}

void FakeFileSystem::addShortName(const std::string& path, const std::string& shortName) {
    const std::string k = key(path);
    const std::string parent = parentKeyOf(k);
    shortNames_[key(parent + "\\" + shortName)] = k;
}

std::string FakeFileSystem::resolve(const std::string& path) const {
    const std::string k = key(path);
    if (nodes_.count(k) || shortNames_.empty()) return k;
    // Walk the components, replacing each short one by the entry it names.
    std::string resolved;
    std::size_t start = 0;
    while (start <= k.size()) {
        std::size_t end = k.find('\\', start);
        if (end == std::string::npos) end = k.size();
        const std::string part = k.substr(start, end - start);
        if (!part.empty()) {
            std::string next = resolved.empty() ? part : (resolved.back() == '\\' ? resolved + part : resolved + "\\" + part);
            if (next.size() == 2 && next[1] == ':') next.push_back('\\');
            if (!nodes_.count(next))
                if (auto alias = shortNames_.find(next); alias != shortNames_.end()) next = alias->second;
            resolved = next;
        }
        start = end + 1;
    }
    return resolved;
}

std::optional<std::string> FakeFileSystem::entryName(const std::string& path) {
    auto it = nodes_.find(resolve(path));
    if (it == nodes_.end()) return std::nullopt;
    return it->second.name;
}

std::optional<std::uint32_t> FakeFileSystem::attributes(const std::string& path) {
    auto it = nodes_.find(key(path));
    if (it == nodes_.end()) return std::nullopt;
    return it->second.attributes;
}

bool FakeFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    auto it = nodes_.find(key(path));
    log.push_back("attr:" + key(path));
    attributeWrites.emplace_back(key(path), attributes);
    if (it == nodes_.end()) return false;
    const std::uint32_t kept = it->second.attributes & (fa::kDirectory | fa::kReparsePoint);
    it->second.attributes = kept | (attributes & (fa::kReadOnly | fa::kHidden | fa::kSystem | fa::kArchive));
    return true;
}

void FakeFileSystem::eraseTree(const std::string& k) {
    std::vector<std::string> doomed;
    for (const auto& [nk, n] : nodes_)
        if (nk == k || nk.rfind(k + "\\", 0) == 0) doomed.push_back(nk);
    for (const auto& d : doomed) nodes_.erase(d);
}

bool FakeFileSystem::deleteFile(const std::string& path) {
    const std::string k = key(path);
    log.push_back("del:" + k);
    auto it = nodes_.find(k);
    if (it == nodes_.end() || locked_.count(k)) return false;
    if (!it->second.linkTarget.empty()) {
        // As under Wine: deleting a link deletes what it points to.
        eraseTree(it->second.linkTarget);
        return true;
    }
    if (isDir(it->second)) return false;
    if (readOnlyBlocksDeletion && (it->second.attributes & fa::kReadOnly)) return false;
    nodes_.erase(it);
    return true;
}

bool FakeFileSystem::removeFolder(const std::string& path) {
    const std::string k = key(path);
    log.push_back("rmdir:" + k);
    auto it = nodes_.find(k);
    if (it == nodes_.end() || !isDir(it->second) || locked_.count(k)) return false;
    if (readOnlyBlocksDeletion && (it->second.attributes & fa::kReadOnly)) return false;
    const std::string contentKey = it->second.linkTarget.empty() ? k : it->second.linkTarget;
    for (const auto& [nk, n] : nodes_)
        if (n.parent == contentKey) return false;
    if (!it->second.linkTarget.empty()) {
        nodes_.erase(it->second.linkTarget);  // as under Wine: the empty target goes
        return true;
    }
    nodes_.erase(it);
    return true;
}

bool FakeFileSystem::exists(const std::string& path) { return nodes_.count(resolve(path)) != 0; }

std::optional<std::uint64_t> FakeFileSystem::folderSize(const std::string& folder) {
    const std::string k = key(folder);
    auto it = nodes_.find(k);
    if (it == nodes_.end() || !isDir(it->second)) return std::nullopt;
    std::uint64_t total = 0;
    for (const auto& [nk, n] : nodes_)
        if (nk.rfind(k + "\\", 0) == 0 && !isDir(n)) total += n.size;
    return total;
}

int FakeFileSystem::driveType(const std::string& root) {
    auto it = driveTypes.find(root);
    return it == driveTypes.end() ? 1 : it->second;  // 1: DRIVE_NO_ROOT_DIR
}

std::optional<std::string> FakeFileSystem::specialFolderPath(forms::WindowHandle, int csidl) {
    auto it = specialFolders.find(csidl);
    if (it == specialFolders.end()) return std::nullopt;
    return it->second;
}

}  // namespace fakes

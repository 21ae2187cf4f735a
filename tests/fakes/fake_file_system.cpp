#include "fakes/fake_file_system.h"

#include <algorithm>
#include <cctype>

namespace fakes {

namespace fa = platform::file_attribute;

namespace {

std::string parentKeyOf(const std::string& k) {
    const auto pos = k.find_last_of('\\');
    if (pos == std::string::npos || k.size() <= 3) return {};
    return pos < 3 ? k.substr(0, 3) : k.substr(0, pos);
}

std::string nameOf(const std::string& path) {
    std::string p = path;
    while (p.size() > 3 && (p.back() == '\\' || p.back() == '/')) p.pop_back();
    const auto pos = p.find_last_of("\\/");
    return pos == std::string::npos ? p : p.substr(pos + 1);
}

}  // namespace

FakeFileSystem::FakeFileSystem() {
    addFolder(*temp);
    addFolder(specialFolders[platform::kCsidlRecent]);
}

std::string FakeFileSystem::key(const std::string& path) {
    std::string p = path;
    if (p.rfind("\\\\?\\", 0) == 0) p.erase(0, 4);
    // Components, with "." dropped and ".." applied as the system applies them.
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&] {
        if (part == "..") {
            if (parts.size() > 1) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (char c : p) {
        if (c == '\\' || c == '/') {
            flush();
            continue;
        }
        part.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    flush();
    std::string k;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0 && k.back() != '\\') k.push_back('\\');
        k += parts[i];
    }
    if (k.size() == 2 && k[1] == ':') k.push_back('\\');
    return k;
}

FakeFileSystem::Node* FakeFileSystem::find(const std::string& k) {
    auto it = nodes_.find(k);
    return it == nodes_.end() ? nullptr : &it->second;
}
const FakeFileSystem::Node* FakeFileSystem::find(const std::string& k) const {
    auto it = nodes_.find(k);
    return it == nodes_.end() ? nullptr : &it->second;
}

FakeFileSystem::Node* FakeFileSystem::dataNode(Node& n) {
    if (!n.linkTarget.empty() && !isDir(n)) return find(n.linkTarget);
    return &n;
}
const FakeFileSystem::Node* FakeFileSystem::dataNode(const Node& n) const {
    if (!n.linkTarget.empty() && !isDir(n)) return find(n.linkTarget);
    return &n;
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

void FakeFileSystem::addNode(const std::string& path, std::uint32_t attributes, std::uint64_t size) {
    const std::string k = key(path);
    ensureParents(k);
    Node n;
    n.name = nameOf(path);
    n.parent = parentKeyOf(k);
    n.attributes = attributes;
    n.size = size;
    n.order = nextOrder_++;
    nodes_[k] = n;
}

void FakeFileSystem::addFolder(const std::string& path, std::uint32_t attributes) {
    addNode(path, attributes | fa::kDirectory, 0);
}

void FakeFileSystem::addFile(const std::string& path, std::uint64_t size, std::uint32_t attributes) {
    addNode(path, attributes & ~fa::kDirectory, size);
}

void FakeFileSystem::addFolderLink(const std::string& path, const std::string& target) {
    addNode(path, fa::kDirectory | fa::kReparsePoint, 0);
    nodes_[key(path)].linkTarget = key(target);
}

void FakeFileSystem::addFileLink(const std::string& path, const std::string& target) {
    addNode(path, fa::kArchive, 0);
    nodes_[key(path)].linkTarget = key(target);
}

void FakeFileSystem::addUnixName(const std::string& folder, const std::string& name, std::uint32_t attributes) {
    ensureParents(key(folder) + "\\x");
    Node n;
    n.name = name;
    n.parent = key(folder);
    n.attributes = attributes;
    n.order = nextOrder_++;
    unixNames_.push_back(n);
}

std::vector<std::string> FakeFileSystem::childrenOf(const std::string& folder) const {
    std::vector<std::pair<std::uint64_t, std::string>> found;
    const std::string k = key(folder);
    for (const auto& [nk, n] : nodes_)
        if (n.parent == k) found.emplace_back(n.order, n.name);
    for (const auto& n : unixNames_)
        if (n.parent == k) found.emplace_back(n.order, n.name);
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    names.reserve(found.size());
    for (auto& f : found) names.push_back(f.second);
    return names;
}

std::optional<std::uint32_t> FakeFileSystem::attributesOf(const std::string& path) const {
    const Node* n = find(key(path));
    if (n == nullptr) return std::nullopt;
    const Node* data = dataNode(*n);
    return data ? std::optional(data->attributes) : std::nullopt;
}

bool FakeFileSystem::forEachEntry(const std::string& folder,
                                  const std::function<void(const platform::DirEntry&)>& visit) {
    std::string k = key(folder);
    log.push_back("list:" + k);
    touched();
    const Node* dir = find(k);
    if (dir == nullptr || !isDir(*dir)) return false;
    if (!dir->linkTarget.empty()) k = dir->linkTarget;  // listing through a link shows the target
    std::vector<std::pair<std::uint64_t, platform::DirEntry>> found;
    for (const auto& [nk, n] : nodes_) {
        if (n.parent != k) continue;
        const Node* data = dataNode(n);
        found.push_back({n.order, {n.name, data ? data->attributes : n.attributes}});
    }
    for (const auto& n : unixNames_)
        if (n.parent == k) found.push_back({n.order, {n.name, n.attributes}});
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& f : found) {
        visit(f.second);
        touched();
    }
    return true;
}

std::optional<platform::EntryFacts> FakeFileSystem::inspectEntry(const std::string& path) {
    touched();
    Node* n = find(key(path));
    if (n == nullptr) return std::nullopt;
    const Node* data = dataNode(*n);
    if (data == nullptr) return std::nullopt;  // a dangling link cannot be opened
    platform::EntryFacts facts;
    facts.attributes = data->attributes;
    facts.itself = n->linkTarget.empty();
    return facts;
}

std::optional<std::string> FakeFileSystem::finalPath(const std::string& path) {
    touched();
    const std::string k = key(path);
    // Follow every link on the way, component by component.
    std::string current = k.substr(0, 3);
    std::size_t pos = 3;
    while (pos < k.size()) {
        std::size_t end = k.find('\\', pos);
        if (end == std::string::npos) end = k.size();
        current = (current.back() == '\\' ? current : current + "\\") + k.substr(pos, end - pos);
        const Node* n = find(current);
        if (n == nullptr) return std::nullopt;
        if (!n->linkTarget.empty()) current = n->linkTarget;
        pos = end + 1;
    }
    if (find(current) == nullptr) return std::nullopt;
    // Spelled as the names are, from the drive down.
    std::vector<std::string> names;
    for (const Node* n = find(current); n != nullptr && !n->parent.empty(); n = find(n->parent))
        names.push_back(n->name);
    std::string out = current.substr(0, 2);
    out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    for (auto it = names.rbegin(); it != names.rend(); ++it) out += "\\" + *it;
    if (out.size() == 2) out += "\\";
    return out;
}

void FakeFileSystem::addShortName(const std::string& path, const std::string& shortName) {
    const std::string k = key(path);
    const std::string parent = parentKeyOf(k);
    shortNames_[key(parent + "\\" + shortName)] = k;
}

std::string FakeFileSystem::resolve(const std::string& path) const {
    std::string k = key(path);
    if (nodes_.count(k) || shortNames_.empty()) return k;
    // Walk the components, replacing each short one by the entry it names.
    std::string resolved;
    std::size_t start = 0;
    while (start <= k.size()) {
        std::size_t end = k.find('\\', start);
        if (end == std::string::npos) end = k.size();
        const std::string part = k.substr(start, end - start);
        if (!part.empty()) {
            std::string next =
                resolved.empty() ? part : (resolved.back() == '\\' ? resolved + part : resolved + "\\" + part);
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
    touched();
    auto it = nodes_.find(resolve(path));
    if (it == nodes_.end()) return std::nullopt;
    return it->second.name;
}

std::optional<std::uint32_t> FakeFileSystem::attributes(const std::string& path) {
    touched();
    return attributesOf(path);
}

bool FakeFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    touched();
    log.push_back("attr:" + key(path));
    attributeWrites.emplace_back(key(path), attributes);
    Node* n = find(key(path));
    Node* data = n ? dataNode(*n) : nullptr;  // through a file link: the target changes
    if (data == nullptr) return false;
    const std::uint32_t kept = data->attributes & (fa::kDirectory | fa::kReparsePoint);
    data->attributes = kept | (attributes & (fa::kReadOnly | fa::kHidden | fa::kSystem | fa::kArchive));
    return true;
}

void FakeFileSystem::eraseTree(const std::string& k) {
    std::vector<std::string> doomed;
    for (const auto& [nk, n] : nodes_)
        if (nk == k || nk.rfind(k + "\\", 0) == 0) doomed.push_back(nk);
    for (const auto& d : doomed) nodes_.erase(d);
}

bool FakeFileSystem::deleteFile(const std::string& path) {
    touched();
    const std::string k = key(path);
    log.push_back("del:" + k);
    Node* n = find(k);
    if (n == nullptr || locked_.count(k)) return false;
    if (!n->linkTarget.empty()) {
        // As under Wine: deleting a link deletes what it points to.
        eraseTree(n->linkTarget);
        return true;
    }
    if (isDir(*n)) return false;
    const Node* data = dataNode(*n);
    if (data != nullptr && (data->attributes & fa::kReadOnly)) return false;
    nodes_.erase(k);
    return true;
}

bool FakeFileSystem::removeFolder(const std::string& path) {
    touched();
    const std::string k = key(path);
    log.push_back("rmdir:" + k);
    Node* n = find(k);
    if (n == nullptr || !isDir(*n) || locked_.count(k)) return false;
    if (n->attributes & fa::kReadOnly) return false;
    const std::string contentKey = n->linkTarget.empty() ? k : n->linkTarget;
    for (const auto& [nk, other] : nodes_)
        if (other.parent == contentKey) return false;
    for (const auto& other : unixNames_)
        if (other.parent == contentKey) return false;
    if (!n->linkTarget.empty()) {
        nodes_.erase(n->linkTarget);  // as under Wine: the empty target goes
        return true;
    }
    nodes_.erase(k);
    return true;
}

bool FakeFileSystem::exists(const std::string& path) {
    touched();
    return nodes_.count(resolve(path)) != 0;
}

std::optional<std::uint64_t> FakeFileSystem::folderSize(const std::string& folder) {
    touched();
    const std::string k = key(folder);
    const Node* dir = find(k);
    if (dir == nullptr || !isDir(*dir)) return std::nullopt;
    std::uint64_t total = 0;
    for (const auto& [nk, n] : nodes_)
        if (nk.rfind(k + "\\", 0) == 0 && !isDir(n) && n.linkTarget.empty())
            if (const Node* data = dataNode(n)) total += data->size;
    return total;
}

int FakeFileSystem::driveType(const std::string& root) {
    auto it = driveTypes.find(root);
    return it == driveTypes.end() ? 1 : it->second;  // 1: DRIVE_NO_ROOT_DIR
}

std::optional<std::string> FakeFileSystem::specialFolderPath(platform::WindowHandle, int csidl) {
    auto it = specialFolders.find(csidl);
    if (it == specialFolders.end()) return std::nullopt;
    return it->second;
}

}  // namespace fakes

#include "cleaning/entry_path.h"

#include <vector>

namespace sparvane::cleaning {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Length of the root that ".." can never climb above: "C:\" or "\\server\share\".
std::size_t rootLength(std::string_view path) {
    if (path.size() >= 3 && path[1] == ':' && isSeparator(path[2])) return 3;
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        std::size_t pos = 2;
        for (int part = 0; part < 2 && pos < path.size(); ++part) {
            while (pos < path.size() && !isSeparator(path[pos])) ++pos;
            if (pos < path.size()) ++pos;
        }
        return pos;
    }
    return 0;
}

}  // namespace

bool isSingleComponent(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("\\/:*?\"<>|") == std::string_view::npos;
}

std::string normalisedPath(std::string_view path) {
    const std::size_t root = rootLength(path);
    if (root == 0) return std::string(path);
    std::string out(path.substr(0, root));
    for (char& c : out)
        if (c == '/') c = '\\';
    if (out.back() != '\\') out.push_back('\\');

    std::vector<std::string_view> parts;
    std::size_t pos = root;
    while (pos < path.size()) {
        std::size_t end = pos;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        const std::string_view part = path.substr(pos, end - pos);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = end + 1;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out.push_back('\\');
        out.append(parts[i]);
    }
    return out;
}

bool liesInside(std::string_view path, std::string_view folder) {
    std::string inner = normalisedPath(path);
    std::string outer = normalisedPath(folder);
    if (rootLength(outer) == 0) return false;
    if (outer.back() != '\\') outer.push_back('\\');
    return inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0;
}

std::optional<std::string> entryPathInside(const std::string& folder, std::string_view name, std::string_view root) {
    if (!isSingleComponent(name)) return std::nullopt;
    std::string path = folder;
    if (path.empty() || path.back() != '\\') path.push_back('\\');
    path.append(name);
    if (!liesInside(path, root) || !liesInside(path, folder)) return std::nullopt;
    return path;
}

}  // namespace sparvane::cleaning

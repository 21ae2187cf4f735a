#include "cleaning/path_helpers.h"

#include <cctype>

namespace sparvane::cleaning {

std::string trimBlanksAndControls(std::string_view path) {
    auto isBlankOrControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t first = 0;
    std::size_t last = path.size();
    while (first < last && isBlankOrControl(path[first])) ++first;
    while (last > first && isBlankOrControl(path[last - 1])) --last;
    return std::string(path.substr(first, last - first));
}

std::string addTrailingSeparator(std::string_view path, char separator) {
    std::string trimmed = trimBlanksAndControls(path);
    if (trimmed.empty() || trimmed.back() != separator) trimmed.push_back(separator);
    return trimmed;
}

std::string removeTrailingSeparator(std::string_view path, char separator) {
    std::string trimmed = trimBlanksAndControls(path);
    if (!trimmed.empty() && trimmed.back() == separator) trimmed.pop_back();
    return trimmed;
}

std::string properCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool wordStart = true;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\0') {
            wordStart = true;
            out.push_back(c);
            continue;
        }
        if (u < 0x80) c = static_cast<char>(wordStart ? std::toupper(u) : std::tolower(u));
        // A UTF-8 continuation byte belongs to the letter before it: the word has started.
        wordStart = false;
        out.push_back(c);
    }
    return out;
}

std::string getProperCasePath(platform::FileSystem& fs, std::string_view path) {
    std::string cleaned;
    cleaned.reserve(path.size());
    for (char c : path)
        if (c != '"') cleaned.push_back(c);
    cleaned = addTrailingSeparator(cleaned);

    std::string tail;
    // The drive letter, its colon and the first separator are passed over.
    for (std::size_t pos = cleaned.find('\\', 3); pos != std::string::npos; pos = cleaned.find('\\', pos + 1)) {
        // The name is taken exactly as the file system spells it. Trimming it by the
        // printable-character rule would turn "José" into "Jos" and point the caller at
        // somebody else's folder.
        const auto name = fs.entryName(cleaned.substr(0, pos));
        if (!name || name->empty()) return std::string(kUnknownPath);
        tail += '\\';
        tail += properCase(*name);
    }
    std::string drive = cleaned.substr(0, 2);
    for (char& c : drive) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return drive + tail;
}

}  // namespace sparvane::cleaning

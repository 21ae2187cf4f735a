#include "common/trim_str.h"

#include <cstddef>

namespace sparvane::common {

namespace {

// Every printable code is either one ASCII byte or one of the two-byte sequences C2 A0..BF
// and C3 80..9F (160..223). Lead bytes are never continuation bytes, so a printable
// character can be recognised byte-wise from either end without decoding the rest: a
// multi-byte character of any other code never contains these patterns.
bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length of the printable character that starts at pos, or 0 when none starts there.
std::size_t printableAt(std::string_view s, std::size_t pos) {
    const auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) return isPrintableCode(b) ? 1 : 0;
    if ((b == 0xC2 || b == 0xC3) && pos + 1 < s.size()) {
        const auto c = static_cast<unsigned char>(s[pos + 1]);
        if (!isContinuation(c)) return 0;
        const char32_t code = (static_cast<char32_t>(b & 0x1F) << 6) | (c & 0x3F);
        return isPrintableCode(code) ? 2 : 0;
    }
    return 0;
}

// Length of the printable character that ends just before end (not starting below from),
// or 0 when none ends there.
std::size_t printableBefore(std::string_view s, std::size_t from, std::size_t end) {
    const auto last = static_cast<unsigned char>(s[end - 1]);
    if (last < 0x80) return isPrintableCode(last) ? 1 : 0;
    if (isContinuation(last) && end - 1 > from) return printableAt(s, end - 2) == 2 ? 2 : 0;
    return 0;
}

}  // namespace

std::string TrimStr(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && printableAt(text, first) == 0) ++first;
    if (first == text.size()) return {};
    std::size_t end = text.size();
    while (end > first && printableBefore(text, first, end) == 0) --end;
    return std::string(text.substr(first, end - first));
}

}  // namespace sparvane::common

#include "network/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace sparvane::network {

namespace {

std::string groupDigits(std::string digits, std::string_view thousands) {
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 * thousands.size());
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i >= lead && (i - lead) % 3 == 0) out += thousands;
        out += digits[i];
    }
    return out;
}

// to_chars in general form, then the program's conventions: upper-case exponent with
// its sign, the user's decimal separator, and no negative zero.
std::string general(double value, int precision, std::string_view decimal) {
    if (value == 0 || std::isnan(value)) return "0";
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, precision);
    std::string out;
    for (const char* p = buf.data(); p != res.ptr; ++p) {
        if (*p == '.')
            out += decimal;
        else if (*p == 'e')
            out += 'E';
        else
            out += *p;
    }
    return out;
}

}  // namespace

std::string formatTotal(std::uint64_t value, std::string_view thousands) {
    if (value == 0) return {};
    return groupDigits(std::to_string(value), thousands);
}

std::string formatGeneral(double value, std::string_view decimal) { return general(value, 15, decimal); }

std::string formatSingle(float value, std::string_view decimal) {
    // Through the float's own shortest digits first, so that 98.76f prints as 98.76 and
    // not as the 98.7600021... its double holds.
    if (value == 0 || std::isnan(value)) return "0";
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 7);
    double rounded = 0;
    std::from_chars(buf.data(), res.ptr, rounded);
    return general(rounded, 7, decimal);
}

}  // namespace sparvane::network

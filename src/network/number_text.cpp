#include "network/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

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

bool startsWith(std::string_view text, std::size_t at, std::string_view what) {
    return !what.empty() && text.substr(at, what.size()) == what;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string formatTotal(std::uint64_t value, std::string_view thousands) {
    if (value == 0) return {};
    return groupDigits(std::to_string(value), thousands);
}

std::string formatTotal(std::int64_t value, std::string_view thousands) {
    if (value >= 0) return formatTotal(static_cast<std::uint64_t>(value), thousands);
    return "-" + formatTotal(0 - static_cast<std::uint64_t>(value), thousands);
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

// Sign, digits and decimal separator from position i on, written into `plain` in the form
// from_chars reads; group separators (when given) are skipped between digits. Leaves i
// after the last character used; false when no digit was found.
static bool scanMantissa(std::string_view text, std::size_t& i, std::string_view decimal, std::string_view thousands,
                         std::string& plain) {
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    bool digits = false, point = false;
    while (i < text.size()) {
        if (isDigit(text[i])) {
            plain += text[i++];
            digits = true;
        } else if (!point && startsWith(text, i, decimal)) {
            plain += '.';
            point = true;
            i += decimal.size();
        } else if (!point && digits && !thousands.empty() && startsWith(text, i, thousands)) {
            i += thousands.size();
        } else {
            break;
        }
    }
    return digits;
}

std::optional<double> parseNumber(std::string_view text, std::string_view decimal, std::string_view thousands) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    skipBlanks();
    std::string plain;  // the number in the form from_chars reads
    if (!scanMantissa(text, i, decimal, thousands, plain)) return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
        if (j >= text.size() || !isDigit(text[j])) return std::nullopt;
        while (j < text.size() && isDigit(text[j])) exponent += text[j++];
        plain += exponent;
        i = j;
    }
    skipBlanks();
    if (i != text.size()) return std::nullopt;
    double value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

double parseLeadingNumber(std::string_view text, std::string_view decimal) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string plain;
    if (!scanMantissa(text, i, decimal, {}, plain)) return 0;
    if (i + 1 < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == '-' || text[j] == '+') exponent += text[j++];
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) exponent += text[j++];
            plain += exponent;
        }
    }
    double value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

}  // namespace sparvane::network

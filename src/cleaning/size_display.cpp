#include "cleaning/size_display.h"

#include <limits>

#include "platform/rounding.h"

namespace sparvane::cleaning {

std::string FormatKilobytes(std::uint64_t bytes, std::string_view groupSeparator) {
    const std::string digits = std::to_string(platform::divideRoundHalfEven(bytes, 1024));
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += groupSeparator;
        out += digits[i];
    }
    return out;
}

std::uint64_t ReadShownNumber(std::string_view caption, std::string_view groupSeparator) {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    std::size_t i = 0;
    while (i < caption.size()) {
        if (!groupSeparator.empty() && caption.substr(i, groupSeparator.size()) == groupSeparator) {
            i += groupSeparator.size();
            continue;
        }
        const char c = caption[i];
        if (c < '0' || c > '9') break;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
        ++i;
    }
    return value;
}

}  // namespace sparvane::cleaning

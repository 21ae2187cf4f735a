#include "cleaning/size_display.h"

#include "platform/rounding.h"

namespace sparvane::cleaning {

std::uint64_t wholeKilobytes(std::uint64_t bytes) { return platform::divideRoundHalfEven(bytes, 1024); }

std::string formatKilobytes(std::uint64_t bytes, std::string_view groupSeparator) {
    const std::string digits = std::to_string(wholeKilobytes(bytes));
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += groupSeparator;
        out += digits[i];
    }
    return out;
}

}  // namespace sparvane::cleaning

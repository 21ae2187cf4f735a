#include "shell/figure_text.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace sparvane::shell {
namespace {

// Below this a value is shown in full (five digits at most); from here on it is
// scaled.
constexpr double kScaleFrom = 1e5;

// Rounded to 2, 1 or 0 decimals as it has 1, 2 or 3+ whole digits; trailing
// zeros go.
std::string rounded(double value, int& wholeDigitsOut) {
    const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    std::string text = buffer.data();
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    wholeDigitsOut = static_cast<int>(text.find('.') == std::string::npos ? text.size() : text.find('.'));
    return text;
}

}  // namespace

std::string compactFigure(double value, std::string_view decimal) {
    if (!std::isfinite(value)) return "?";
    const bool negative = value < 0;
    double magnitude = std::fabs(value);
    static constexpr std::array<const char*, 5> kSuffixes{"", "k", "M", "G", "T"};
    std::size_t step = 0;
    std::string text;
    int wholeDigits = 0;
    text = rounded(magnitude, wholeDigits);
    // A value that rounds up to the next power is shown at the next step
    // ("99999.6" would be six digits; it is "100k").
    if (magnitude >= kScaleFrom || wholeDigits > 5) {
        magnitude /= 1000;
        step = 1;
        for (;;) {
            text = rounded(magnitude, wholeDigits);
            if (wholeDigits <= 3 || step + 1 == kSuffixes.size()) break;
            magnitude /= 1000;
            ++step;
        }
    }
    if (text == "0") return "0";  // no "-0" for a tiny negative value
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text = text.substr(0, dot) + std::string(decimal) + text.substr(dot + 1);
    return (negative ? "-" : "") + text + kSuffixes[step];
}

}  // namespace sparvane::shell

#pragma once
// The program's one rounding rule for whole numbers: to the nearest, halves to the even
// neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -2.5 -> -2), the rule of the integer
// conversions its layout and display figures were written against. Pixel positions,
// the region of the widget, the centring of a window and the kilobyte display all use it,
// so that, for instance, a control's window and its slot in the widget's region line up
// exactly. It lives at the bottom of the tree because the forms runtime and the Win32
// backend need it as much as the subsystems do.
#include <cmath>
#include <concepts>
#include <cstdint>

namespace platform {

// `value` rounded, halves to even. `value` must be finite and its rounded value fit in T.
// Worked out explicitly rather than with std::nearbyint, whose answer depends on the
// floating-point rounding mode of the moment.
template <std::integral T = int>
T roundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;  // exact: both lie within one binade of value
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0);
    return static_cast<T>(up ? lower + 1.0 : lower);
}

// numerator / denominator rounded the same way, in integers (exact for every value, where
// a division in double would already round numbers above 2^53). denominator must not be 0.
constexpr std::uint64_t divideRoundHalfEven(std::uint64_t numerator, std::uint64_t denominator) {
    std::uint64_t quotient = numerator / denominator;
    const std::uint64_t rest = numerator % denominator;
    const std::uint64_t toNext = denominator - rest;  // rest compared with half, without overflow
    if (rest > toNext || (rest == toNext && quotient % 2 == 1)) ++quotient;
    return quotient;
}

}  // namespace platform

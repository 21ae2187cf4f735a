#pragma once
// The number texts of the traffic monitor, in the user's separators: totals with digit
// grouping, figures in the general form of a double and records in single precision.
#include <cstdint>
#include <string>
#include <string_view>

namespace sparvane::network {

// "###,###,###,###": digits grouped by threes with the thousands separator, and nothing at
// all for 0 (0 formats as "").
[[nodiscard]] std::string formatTotal(std::uint64_t value, std::string_view thousands);

// General text form of a double: up to 15 significant digits, no grouping, the decimal
// separator given, no trailing zeros, no decimal part for whole numbers; exponent form
// ("1E-05", "1.23456789012346E+15") only where plain digits would not fit.
[[nodiscard]] std::string formatGeneral(double value, std::string_view decimal);
// The same for a single-precision value: up to 7 significant digits.
[[nodiscard]] std::string formatSingle(float value, std::string_view decimal);

}  // namespace sparvane::network

#pragma once
// The folder clean-up window's size display: whole kilobytes with digit groups, and the
// number read back from it by the colour rule.
#include <cstdint>
#include <string>
#include <string_view>

namespace sparvane::cleaning {

// bytes / 1024 rounded half to even (1535 bytes -> "1", 1536 -> "2", 2560 -> "2"), in
// groups of three digits joined by `groupSeparator`, at least one digit: "1,500".
std::string FormatKilobytes(std::uint64_t bytes, std::string_view groupSeparator);

// The number a caption starts with, once every `groupSeparator` is taken out ("1,000 Kbs
// left" -> 1000). A caption that does not start with a digit reads as 0; a number too large
// to hold reads as the largest one.
std::uint64_t ReadShownNumber(std::string_view caption, std::string_view groupSeparator);

}  // namespace sparvane::cleaning

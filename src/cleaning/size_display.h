#pragma once
// The Recent folder's size as the junk meter shows it: whole kilobytes with digit groups.
#include <cstdint>
#include <string>
#include <string_view>

namespace sparvane::cleaning {

// bytes / 1024 rounded half to even: 1535 bytes are 1 KB, 1536 and 2560 are 2 KB. The junk
// verdict is taken on this number, the one the user reads.
[[nodiscard]] std::uint64_t wholeKilobytes(std::uint64_t bytes);

// wholeKilobytes(bytes) in groups of three digits joined by `groupSeparator`, at least one
// digit: "1,500".
[[nodiscard]] std::string formatKilobytes(std::uint64_t bytes, std::string_view groupSeparator);

}  // namespace sparvane::cleaning

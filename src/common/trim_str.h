#pragma once
// Trimming of unprintable characters, used on paths, names and message-box captions.
#include <string>
#include <string_view>

namespace sparvane::common {

// Whether a character code counts as printable: 33..126 or 160..223. Everything else
// (blanks, control characters, 127..159, the accented small letters 224..255 and every
// code from 256 up) is stripped from the ends.
constexpr bool isPrintableCode(char32_t code) { return (code >= 33 && code <= 126) || (code >= 160 && code <= 223); }

// The text without unprintable characters at either end; those between the first and the
// last printable character stay. The rule is applied to decoded UTF-8 code points; a byte
// that is not part of valid UTF-8 counts as unprintable. The argument is scanned in place
// and the result is the only allocation.
std::string TrimStr(std::string_view text);

}  // namespace sparvane::common

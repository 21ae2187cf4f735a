// UTF-8 <-> UTF-16 conversion at the Win32 boundary. Portable code speaks UTF-8; the W APIs
// speak UTF-16. Invalid input never throws: malformed sequences become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

[[nodiscard]] std::wstring widen(std::string_view utf8);
[[nodiscard]] std::string narrow(std::wstring_view utf16);

}  // namespace win32

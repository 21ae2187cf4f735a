#include "win32/text.h"

#include <windows.h>

#include <climits>

namespace win32 {

std::wstring widen(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > static_cast<size_t>(INT_MAX)) return {};
    const int inLen = static_cast<int>(utf8.size());
    const int outLen = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLen, nullptr, 0);
    if (outLen <= 0) return {};
    std::wstring out(static_cast<size_t>(outLen), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLen, out.data(), outLen);
    return out;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty() || utf16.size() > static_cast<size_t>(INT_MAX)) return {};
    const int inLen = static_cast<int>(utf16.size());
    const int outLen = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inLen, nullptr, 0, nullptr, nullptr);
    if (outLen <= 0) return {};
    std::string out(static_cast<size_t>(outLen), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inLen, out.data(), outLen, nullptr, nullptr);
    return out;
}

}  // namespace win32

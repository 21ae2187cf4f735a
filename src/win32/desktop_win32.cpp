#include "win32/desktop_win32.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "win32/text.h"

namespace win32 {

namespace {

std::string localeText(LCTYPE what) {
    wchar_t buffer[16] = {};  // separators are at most four characters
    const int n = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, buffer, static_cast<int>(std::size(buffer)));
    if (n <= 1) return {};
    return narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1)));  // n counts the NUL
}

}  // namespace

std::optional<std::uint32_t> LastInputWin32::lastInputTick() {
    LASTINPUTINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetLastInputInfo(&info)) return std::nullopt;
    return info.dwTime;
}

std::uint32_t ClockWin32::tickCount() { return ::GetTickCount(); }

std::uint64_t ClockWin32::monotonicMs() { return ::GetTickCount64(); }

std::string ClockWin32::timeOfDayText() {
    wchar_t buffer[80] = {};
    const int n =
        ::GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, buffer, static_cast<int>(std::size(buffer)));
    if (n <= 1) return {};
    return narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1)));
}

std::string LocaleWin32::decimalSeparator() { return localeText(LOCALE_SDECIMAL); }

std::string LocaleWin32::thousandsSeparator() { return localeText(LOCALE_STHOUSAND); }

}  // namespace win32

#include "win32/tray_icon_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "win32/text.h"

namespace win32 {

namespace {

// The wide tip field holds 128 characters (127 and the NUL): both byte totals fit whole,
// 20 digits each with their separators, where the old 64-character field cut the sent
// total short once the counts grew long. A longer text is cut at the field's end, never
// in the middle of a surrogate pair.
constexpr std::size_t kTipCharacters = sizeof(NOTIFYICONDATAW::szTip) / sizeof(wchar_t) - 1;

void copyTip(const std::string& tip, wchar_t (&field)[128]) {
    static_assert(kTipCharacters == 127);
    const std::wstring wide = widen(tip);
    std::size_t n = std::min(wide.size(), kTipCharacters);
    if (n > 0 && n < wide.size() && IS_HIGH_SURROGATE(wide[n - 1])) --n;
    std::copy_n(wide.data(), n, field);
    field[n] = L'\0';
}

}  // namespace

TrayIconWin32::~TrayIconWin32() {
    if (icon_ != nullptr) ::DestroyIcon(static_cast<HICON>(icon_));
}

void* TrayIconWin32::programIcon() {
    if (!iconLoaded_) {
        iconLoaded_ = true;  // a missing icon resource is not looked for again every tick
        icon_ = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                             ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR);
    }
    return icon_;
}

bool TrayIconWin32::notify(unsigned message, const platform::TrayIconData& data) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof(nid);
    nid.hWnd = reinterpret_cast<HWND>(data.window);
    nid.uID = data.id;
    nid.uFlags = data.flags;
    nid.uCallbackMessage = data.callbackMessage;
    nid.hIcon = data.programIcon ? static_cast<HICON>(programIcon()) : nullptr;
    // The shell copies an icon's pixels on every call that carries one, and the tip is
    // refreshed twice a second; once the entry shows the program's icon, it keeps it.
    const bool sameIcon = message == NIM_MODIFY && data.programIcon && iconShown_;
    if (sameIcon) nid.uFlags &= ~static_cast<UINT>(NIF_ICON);
    copyTip(data.tip, nid.szTip);
    const bool ok = ::Shell_NotifyIconW(message, &nid) != FALSE;
    if (message == NIM_DELETE && ok)
        iconShown_ = false;
    else if (ok && (data.flags & NIF_ICON) != 0)
        iconShown_ = data.programIcon && nid.hIcon != nullptr;
    return ok;
}

bool TrayIconWin32::add(const platform::TrayIconData& data) { return notify(NIM_ADD, data); }

bool TrayIconWin32::modify(const platform::TrayIconData& data) { return notify(NIM_MODIFY, data); }

bool TrayIconWin32::remove(const platform::TrayIconData& data) { return notify(NIM_DELETE, data); }

bool TrayIconWin32::useVersion4(const platform::TrayIconData& data) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof(nid);
    nid.hWnd = reinterpret_cast<HWND>(data.window);
    nid.uID = data.id;
    nid.uVersion = NOTIFYICON_VERSION_4;
    return ::Shell_NotifyIconW(NIM_SETVERSION, &nid) != FALSE;
}

}  // namespace win32

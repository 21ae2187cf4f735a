// Counting the notification-area icons that Wine's explorer shows.
//
// Wine 8's explorer draws the icons itself inside its "Shell_TrayWnd" window (the taskbar
// of the virtual desktop, or the stand-alone tray window without one): an icon is no
// window of its own. What is visible from outside is one tooltip window per icon, owned by
// the tray window, whose single tool covers the icon's cell. Explorer empties that rect
// when the icon is hidden or deleted and never destroys the tooltip, so a displayed icon
// is a tray-owned tooltip whose tool rect is not empty. The rect is read with
// TTM_ENUMTOOLSW through a buffer in explorer's memory, as tooltip messages carry pointers
// the system does not marshal between processes.
#include "driver.h"

#include <commctrl.h>

namespace driver {
namespace {

// Reads the rect of a tooltip's first tool; nullopt when it cannot be read.
class RemoteToolReader {
public:
    explicit RemoteToolReader(DWORD pid)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid)) {
        if (process_)
            buffer_ = VirtualAllocEx(process_, nullptr, sizeof(TTTOOLINFOW) + sizeof(wchar_t) * kTextUnits,
                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteToolReader() {
        if (buffer_) VirtualFreeEx(process_, buffer_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteToolReader(const RemoteToolReader&) = delete;
    RemoteToolReader& operator=(const RemoteToolReader&) = delete;

    std::optional<RECT> first_tool_rect(HWND tooltip) {
        const auto info = first_tool(tooltip);
        if (!info) return std::nullopt;
        return info->rect;
    }

    // The text of a tooltip's first tool (the icon's tip).
    std::optional<std::wstring> first_tool_text(HWND tooltip) {
        auto info = first_tool(tooltip);
        if (!info) return std::nullopt;
        auto* text = reinterpret_cast<wchar_t*>(static_cast<char*>(buffer_) + sizeof(TTTOOLINFOW));
        info->lpszText = text;
        const wchar_t none = L'\0';
        if (!WriteProcessMemory(process_, buffer_, &*info, sizeof *info, nullptr) ||
            !WriteProcessMemory(process_, text, &none, sizeof none, nullptr))
            return std::nullopt;
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(tooltip, TTM_GETTEXTW, kTextUnits, reinterpret_cast<LPARAM>(buffer_), SMTO_ABORTIFHUNG,
                                 3000, &ignored))
            return std::nullopt;
        wchar_t local[kTextUnits] = {};
        if (!ReadProcessMemory(process_, text, local, sizeof local, nullptr)) return std::nullopt;
        local[kTextUnits - 1] = L'\0';
        return std::wstring(local);
    }

private:
    static constexpr size_t kTextUnits = 256;

    std::optional<TTTOOLINFOW> first_tool(HWND tooltip) {
        if (!buffer_) return std::nullopt;
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        if (!WriteProcessMemory(process_, buffer_, &info, sizeof info, nullptr)) return std::nullopt;
        DWORD_PTR found = 0;
        if (!SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(buffer_), SMTO_ABORTIFHUNG, 3000,
                                 &found) ||
            !found)
            return std::nullopt;
        if (!ReadProcessMemory(process_, buffer_, &info, sizeof info, nullptr)) return std::nullopt;
        return info;
    }

    HANDLE process_ = nullptr;
    void* buffer_ = nullptr;
};

struct TraySearch {
    HWND tray;
    std::vector<HWND> tooltips;
};

BOOL CALLBACK collect_tray_tooltips(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TraySearch*>(param);
    if (GetWindow(hwnd, GW_OWNER) != search->tray) return TRUE;
    if (_wcsicmp(class_name(hwnd).c_str(), TOOLTIPS_CLASSW) != 0) return TRUE;
    // The info balloon is a tooltip of the tray too; it is no icon.
    if (GetWindowLongW(hwnd, GWL_STYLE) & TTS_BALLOON) return TRUE;
    search->tooltips.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::optional<std::vector<TrayIcon>> tray_icons() {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray) return std::nullopt;
    TraySearch search{tray, {}};
    EnumWindows(collect_tray_tooltips, reinterpret_cast<LPARAM>(&search));
    DWORD pid = 0;
    GetWindowThreadProcessId(tray, &pid);
    RemoteToolReader reader(pid);
    std::vector<TrayIcon> icons;
    for (HWND tooltip : search.tooltips) {
        auto rect = reader.first_tool_rect(tooltip);
        if (!rect || IsRectEmpty(&*rect)) continue;
        // The tool's rect is the icon's cell in the tray window's client area.
        MapWindowPoints(tray, HWND_DESKTOP, reinterpret_cast<POINT*>(&*rect), 2);
        icons.push_back({reader.first_tool_text(tooltip).value_or(L""), *rect});
    }
    return icons;
}

std::optional<std::vector<std::wstring>> tray_icon_tips() {
    const auto icons = tray_icons();
    if (!icons) return std::nullopt;
    std::vector<std::wstring> tips;
    for (const auto& icon : *icons) tips.push_back(icon.tip);
    return tips;
}

std::optional<int> tray_icon_count() {
    const auto tips = tray_icon_tips();
    if (!tips) return std::nullopt;
    return static_cast<int>(tips->size());
}

}  // namespace driver

// What the tray icon's scenarios ask: where the program's icon is (so that real clicks can
// reach it), taking it away and announcing a new taskbar as an Explorer restart does, the
// open pop-up menu, and which window is in front.
// clang-format off
#include "driver.h"
#include <shellapi.h>
// clang-format on

namespace driver {
namespace {

// The window text, or its class when it has none.
std::wstring describe(HWND hwnd) {
    if (auto name = window_name(hwnd)) return *name;
    std::wstring title = window_text(hwnd);
    return L"title:" + (title.empty() ? L"[" + class_name(hwnd) + L"]" : title);
}

BOOL CALLBACK collect_visible(HWND hwnd, LPARAM param) {
    if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

HWND find_open_menu() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

LRESULT CALLBACK cover_procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

// Another program's ordinary window over the widget's column (the screen but its bottom
// strip, where the taskbar is), in the foreground, for SECONDS.
int cmd_cover(const Args& a) {
    const ULONGLONG seconds = std::stoul(a[0]);
    WNDCLASSW wc{};
    wc.lpfnWndProc = cover_procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"SparvaneTestCover";
    RegisterClassW(&wc);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN) - 80;
    HWND cover = CreateWindowExW(0, wc.lpszClassName, L"Test cover", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width,
                                 height, nullptr, nullptr, wc.hInstance, nullptr);
    if (!cover) {
        err("cannot make the cover window");
        return 1;
    }
    SetForegroundWindow(cover);
    out("covering");
    const ULONGLONG until = GetTickCount64() + seconds * 1000;
    MSG msg;
    while (GetTickCount64() < until) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
    DestroyWindow(cover);
    return 0;
}

int cmd_tray_point(const Args&) {
    const auto icons = tray_icons();
    if (!icons) {
        err("no notification area found");
        return 1;
    }
    for (const auto& icon : *icons) {
        if (icon.tip.rfind(L"Bytes received:", 0) != 0) continue;
        out(std::to_string((icon.screen.left + icon.screen.right) / 2) + " " +
            std::to_string((icon.screen.top + icon.screen.bottom) / 2));
        return 0;
    }
    err("the program's icon is not shown");
    return 1;
}

int cmd_tray_forget(const Args&) {
    // The icon belongs to the network window, id 0; the shell matches on those alone.
    HWND owner = find_form(L"Form3");
    if (!owner) {
        err("no Form3 window");
        return 1;
    }
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = owner;
    nid.uID = 0;
    if (!Shell_NotifyIconW(NIM_DELETE, &nid)) {
        err("NIM_DELETE failed");
        return 1;
    }
    out("forgotten");
    return 0;
}

int cmd_taskbar_created(const Args&) {
    const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    if (message == 0 || !PostMessageW(HWND_BROADCAST, message, 0, 0)) {
        err("broadcast failed");
        return 1;
    }
    out("broadcast");
    return 0;
}

int cmd_menu(const Args& a) {
    const DWORD timeout = a.empty() ? 5000 : static_cast<DWORD>(std::stoul(a[0]));
    HWND window = nullptr;
    if (!poll(timeout, [&] { return (window = find_open_menu()) != nullptr; })) {
        err("no pop-up menu open");
        return 1;
    }
    // MN_GETHMENU answers the menu of another process's menu window; the entries are read
    // through the handle where the system shares it, else only the window is reported.
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    const int count = menu ? GetMenuItemCount(menu) : -1;
    if (count < 0) {
        out("open (entries not readable from here)");
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        if (GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION) == 0)
            out("-");
        else
            out(utf8(text));
    }
    return 0;
}

int cmd_foreground(const Args&) {
    HWND front = GetForegroundWindow();
    if (!front) {
        err("no foreground window");
        return 1;
    }
    out(utf8(describe(front)));
    return 0;
}

int cmd_zorder(const Args&) {
    std::vector<HWND> windows;
    EnumWindows(collect_visible, reinterpret_cast<LPARAM>(&windows));
    for (HWND hwnd : windows) out(utf8(describe(hwnd)));
    return 0;
}

}  // namespace driver

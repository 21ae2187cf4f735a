// Commands that reach past what a user could do: count the rows of a list box, and place
// and show a window that the program keeps hidden (the network window's panel lies outside
// its tiny client area and is never on screen; a test shows it only to photograph it).
#include "driver.h"

#include <cwchar>

namespace driver {
namespace {

std::optional<int> parse_int(const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 10);
    if (*end != L'\0') return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

int cmd_list_count(const Args& a) {
    HWND list = resolve(a[0], &a[1]);
    if (!list) return 1;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count) ||
        static_cast<LRESULT>(count) == LB_ERR) {
        err("LB_GETCOUNT failed on " + utf8(a[1]));
        return 1;
    }
    out(std::to_string(static_cast<LRESULT>(count)));
    return 0;
}

int cmd_place(const Args& a) {
    HWND form = resolve(a[0], nullptr);
    if (!form) return 1;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        const auto n = parse_int(a[static_cast<size_t>(i) + 1]);
        if (!n) {
            err("not a number: " + utf8(a[static_cast<size_t>(i) + 1]));
            return 1;
        }
        v[i] = *n;
    }
    if (!make_control_windows(form)) {
        err("the program made no control windows for " + utf8(a[0]));
        return 1;
    }
    // No activation: activating the network window would make it hide itself again.
    if (!SetWindowPos(form, HWND_TOP, v[0], v[1], v[2], v[3], SWP_NOACTIVATE | SWP_SHOWWINDOW)) {
        err("SetWindowPos failed: " + std::to_string(GetLastError()));
        return 1;
    }
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return 0;
}

}  // namespace driver

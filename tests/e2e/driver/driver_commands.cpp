// The driver's commands. Clicks are posted, never sent: a click handler that opens a
// modal message box must not block the driver, which is then asked to read that box.
#include "driver.h"

#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>

namespace driver {
namespace {

constexpr DWORD kDefaultTimeoutMs = 10000;

std::optional<long> parse_long(const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 10);
    if (*end != L'\0') return std::nullopt;
    return value;
}

// Optional trailing time-out argument; nullopt (after a message) when it is not a number.
std::optional<DWORD> timeout_arg(const Args& a, size_t index, DWORD fallback) {
    if (a.size() <= index) return fallback;
    const auto value = parse_long(a[index]);
    if (!value || *value < 0) {
        err("not a time-out in milliseconds: " + utf8(a[index]));
        return std::nullopt;
    }
    return static_cast<DWORD>(*value);
}

std::string rect_text(const RECT& r, const char* separator) {
    return std::to_string(r.left) + separator + std::to_string(r.top) + separator + std::to_string(r.right) +
           separator + std::to_string(r.bottom);
}

// Texts may span lines; the shell gets plain "\n" line ends.
std::string shell_text(const std::wstring& text) {
    std::wstring copy;
    copy.reserve(text.size());
    for (wchar_t c : text)
        if (c != L'\r') copy.push_back(c);
    return utf8(copy);
}

LPARAM client_centre(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
}

bool is_button(HWND hwnd) { return _wcsicmp(class_name(hwnd).c_str(), L"Button") == 0; }

const HWND* control_arg_or_form(const Args& a, HWND& out_window) {
    out_window = resolve(a[0], a.size() > 1 ? &a[1] : nullptr);
    return out_window ? &out_window : nullptr;
}

BOOL CALLBACK list_control(HWND hwnd, LPARAM) {
    const auto name = window_name(hwnd);
    if (!name) return TRUE;
    RECT r{};
    GetWindowRect(hwnd, &r);
    out(utf8(*name) + " class=" + utf8(class_name(hwnd)) + " visible=" + (IsWindowVisible(hwnd) ? "1" : "0") +
        " enabled=" + (IsWindowEnabled(hwnd) ? "1" : "0") + " rect=" + rect_text(r, ",") +
        " text=" + shell_text(window_text(hwnd)));
    return TRUE;
}

}  // namespace

int cmd_windows(const Args&) {
    for (HWND hwnd : named_top_levels()) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        out(utf8(*window_name(hwnd)) + " visible=" + (IsWindowVisible(hwnd) ? "1" : "0") +
            " rect=" + rect_text(r, ","));
    }
    return 0;
}

int cmd_controls(const Args& a) {
    HWND form = resolve(a[0], nullptr);
    if (!form) return 1;
    make_control_windows(form);  // a form not yet on screen has none of its own
    EnumChildWindows(form, list_control, 0);
    return 0;
}

int cmd_wait_window(const Args& a) {
    const std::wstring& state = a[1];
    const auto timeout = timeout_arg(a, 2, kDefaultTimeoutMs);
    if (!timeout) return 1;
    bool (*reached)(HWND) = nullptr;
    if (state == L"exists")
        reached = [](HWND h) { return h != nullptr; };
    else if (state == L"visible")
        reached = [](HWND h) { return h && IsWindowVisible(h) != FALSE; };
    else if (state == L"hidden")
        reached = [](HWND h) { return h && !IsWindowVisible(h); };
    else if (state == L"gone")
        reached = [](HWND h) { return h == nullptr; };
    if (!reached) {
        err("unknown state " + utf8(state) + " (exists|visible|hidden|gone)");
        return 1;
    }
    if (poll(*timeout, [&] { return reached(find_form(a[0])); })) return 0;
    err(utf8(a[0]) + " not " + utf8(state) + " after " + std::to_string(*timeout) + " ms");
    return 1;
}

int cmd_text(const Args& a) {
    HWND hwnd = nullptr;
    if (!control_arg_or_form(a, hwnd)) return 1;
    out(shell_text(window_text(hwnd)));
    return 0;
}

int cmd_pos(const Args& a) {
    HWND bar = resolve(a[0], &a[1]);
    if (!bar) return 1;
    DWORD_PTR position = 0;
    if (!SendMessageTimeoutW(bar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 3000, &position)) {
        err("no answer to PBM_GETPOS");
        return 1;
    }
    out(std::to_string(static_cast<int>(position)));
    return 0;
}

// A figure label and its bar, read back to back in one run: two separate driver runs take
// long enough for a traffic tick to fall between them.
int cmd_figure(const Args& a) {
    HWND label = resolve(a[0], &a[1]);
    HWND bar = resolve(a[0], &a[2]);
    if (!label || !bar) return 1;
    const std::wstring text = window_text(label);
    DWORD_PTR position = 0;
    if (!SendMessageTimeoutW(bar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 3000, &position)) {
        err("no answer to PBM_GETPOS");
        return 1;
    }
    if (window_text(label) != text) {
        err("the figure changed while it was read");
        return 1;
    }
    out(shell_text(text) + " " + std::to_string(static_cast<int>(position)));
    return 0;
}

// The figure and its bar COUNT times, MS apart, each line with the Unix time before and
// after the read ("T0 T1 TEXT POS"): one run samples every traffic tick, where a driver
// run per sample (a Wine process start each) would miss some.
int cmd_watch_figure(const Args& a) {
    HWND label = resolve(a[0], &a[1]);
    HWND bar = resolve(a[0], &a[2]);
    const auto interval = timeout_arg(a, 3, 0);
    const auto count = timeout_arg(a, 4, 0);
    if (!label || !bar || !interval || !count) return 1;
    const auto unix_now = [] {
        FILETIME ft;
        GetSystemTimePreciseAsFileTime(&ft);
        const ULONGLONG t = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", static_cast<double>(t - 116444736000000000ULL) / 1e7);
        return std::string(text);
    };
    for (DWORD i = 0; i < *count; ++i) {
        if (i > 0) Sleep(*interval);
        const std::string t0 = unix_now();
        const std::wstring text = window_text(label);
        DWORD_PTR position = 0;
        if (!SendMessageTimeoutW(bar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 3000, &position)) continue;
        if (window_text(label) != text) continue;  // a tick fell between: the next read has it
        out(t0 + " " + unix_now() + " " + shell_text(text) + " " + std::to_string(static_cast<int>(position)));
    }
    return 0;
}

int cmd_rect(const Args& a) {
    HWND hwnd = nullptr;
    if (!control_arg_or_form(a, hwnd)) return 1;
    RECT r{};
    GetWindowRect(hwnd, &r);
    out(rect_text(r, " "));
    return 0;
}

int cmd_region(const Args& a) {
    HWND form = resolve(a[0], nullptr);
    if (!form) return 1;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(form, region);
    if (kind == ERROR) {
        out("none");
    } else {
        RECT box{};
        GetRgnBox(region, &box);
        out(rect_text(box, " "));
    }
    DeleteObject(region);
    return 0;
}

int cmd_style(const Args& a) {
    HWND hwnd = nullptr;
    if (!control_arg_or_form(a, hwnd)) return 1;
    const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    const auto exstyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    const bool has_alpha =
        (exstyle & WS_EX_LAYERED) && GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags) && (flags & LWA_ALPHA);
    char line[128];
    snprintf(line, sizeof line, "style=0x%08lx exstyle=0x%08lx topmost=%d alpha=", static_cast<unsigned long>(style),
             static_cast<unsigned long>(exstyle), (exstyle & WS_EX_TOPMOST) ? 1 : 0);
    out(std::string(line) + (has_alpha ? std::to_string(alpha) : std::string("none")));
    return 0;
}

int cmd_click(const Args& a) {
    HWND control = resolve(a[0], &a[1]);
    if (!control) return 1;
    if (is_button(control)) {
        PostMessageW(control, BM_CLICK, 0, 0);
    } else {
        const LPARAM at = client_centre(control);
        PostMessageW(control, WM_MOUSEMOVE, 0, at);
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(control, WM_LBUTTONUP, 0, at);
    }
    return 0;
}

int cmd_dblclick(const Args& a) {
    HWND hwnd = nullptr;
    if (!control_arg_or_form(a, hwnd)) return 1;
    // The sequence Windows delivers for a double click on a CS_DBLCLKS window.
    const LPARAM at = client_centre(hwnd);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
    PostMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
    return 0;
}

int cmd_focus(const Args& a) {
    HWND form = resolve(a[0], nullptr);
    if (!form) return 1;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info)) {
        err("GetGUIThreadInfo failed");
        return 1;
    }
    // "none": nothing of the program's thread has the keyboard; the form's own name: its
    // window has it, but none of its controls.
    if (info.hwndFocus == nullptr) {
        out("none");
    } else {
        const auto name = window_name(info.hwndFocus);
        out(name ? utf8(*name) : "unnamed:" + utf8(class_name(info.hwndFocus)));
    }
    return 0;
}

int cmd_close(const Args& a) {
    HWND form = resolve(a[0], nullptr);
    if (!form) return 1;
    PostMessageW(form, WM_CLOSE, 0, 0);
    return 0;
}

int cmd_msgbox(const Args& a) {
    const auto timeout = timeout_arg(a, 0, 5000);
    if (!timeout) return 1;
    HWND box = nullptr;
    if (!poll(*timeout, [&] { return (box = find_message_box()) != nullptr; })) {
        err("no message box after " + std::to_string(*timeout) + " ms");
        return 1;
    }
    out(shell_text(window_text(box)) + "|" + shell_text(message_box_text(box)));
    return 0;
}

int cmd_answer(const Args& a) {
    struct Answer {
        const wchar_t* name;
        int id;
    };
    static const Answer kAnswers[] = {{L"OK", IDOK},       {L"Cancel", IDCANCEL}, {L"Yes", IDYES},      {L"No", IDNO},
                                      {L"Abort", IDABORT}, {L"Retry", IDRETRY},   {L"Ignore", IDIGNORE}};
    int id = 0;
    for (const auto& answer : kAnswers)
        if (_wcsicmp(a[0].c_str(), answer.name) == 0) id = answer.id;
    if (id == 0) {
        err("unknown answer " + utf8(a[0]));
        return 1;
    }
    const auto timeout = timeout_arg(a, 1, 5000);
    if (!timeout) return 1;
    HWND box = nullptr;
    if (!poll(*timeout, [&] { return (box = find_message_box()) != nullptr; })) {
        err("no message box after " + std::to_string(*timeout) + " ms");
        return 1;
    }
    HWND button = GetDlgItem(box, id);
    if (!button) {
        err("the message box has no " + utf8(a[0]) + " button");
        return 1;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    // Return only once the box has gone, so the next command sees what the answer did.
    if (!poll(*timeout, [&] { return !IsWindow(box) || !IsWindowVisible(box); })) {
        err("the message box is still open after pressing " + utf8(a[0]));
        return 1;
    }
    return 0;
}

int cmd_pixel(const Args& a) {
    const auto x = parse_long(a[0]), y = parse_long(a[1]);
    if (!x || !y) {
        err("pixel needs two integer coordinates");
        return 1;
    }
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, static_cast<int>(*x), static_cast<int>(*y));
    ReleaseDC(nullptr, screen);
    if (colour == CLR_INVALID) {
        err("no pixel at " + std::to_string(*x) + "," + std::to_string(*y));
        return 1;
    }
    out(std::to_string(GetRValue(colour)) + " " + std::to_string(GetGValue(colour)) + " " +
        std::to_string(GetBValue(colour)));
    return 0;
}

// One line per shown icon; a line break inside a tip is written as the two characters \n.
int cmd_tray_tips(const Args&) {
    const auto tips = tray_icon_tips();
    if (!tips) {
        err("no notification area found");
        return 1;
    }
    for (const auto& tip : *tips) {
        std::wstring line;
        for (wchar_t c : tip) {
            if (c == L'\r') continue;
            if (c == L'\n')
                line += L"\\n";
            else
                line.push_back(c);
        }
        out(utf8(line));
    }
    return 0;
}

int cmd_tray_count(const Args&) {
    const auto count = tray_icon_count();
    if (!count) {
        err("no notification area found");
        return 1;
    }
    out(std::to_string(*count));
    return 0;
}

}  // namespace driver

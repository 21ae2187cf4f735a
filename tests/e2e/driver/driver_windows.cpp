// Finding the program's windows from outside: by their "Sparvane.Name" property, and its
// message boxes by their dialog class and owning process.
#include "driver.h"

#include <cstdio>
#include <cwchar>

namespace driver {

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), n, nullptr, nullptr);
    return result;
}

// Raw bytes, so that UTF-8 reaches the shell unchanged whatever the console code page is.
void out(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

void err(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

std::optional<std::wstring> window_name(HWND hwnd) {
    // The property holds the atom itself in the handle's low word.
    const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(hwnd, L"Sparvane.Name")));
    if (atom == 0) return std::nullopt;
    wchar_t buf[256];
    const UINT n = GlobalGetAtomNameW(atom, buf, 256);
    if (n == 0) return std::nullopt;
    return std::wstring(buf, n);
}

std::wstring class_name(HWND hwnd) {
    wchar_t buf[256];
    const int n = GetClassNameW(hwnd, buf, 256);
    return n > 0 ? std::wstring(buf, static_cast<size_t>(n)) : std::wstring();
}

std::wstring window_text(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 3000, &length)) {
        // Hung or gone: fall back to the text the window manager keeps for the window.
        wchar_t buf[1024];
        const int n = GetWindowTextW(hwnd, buf, 1024);
        return std::wstring(buf, n > 0 ? static_cast<size_t>(n) : 0);
    }
    // A length the window cannot mean (it answered something else) is not allocated.
    if (length > (1u << 20)) length = 1u << 20;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 3000,
                        &copied);
    text.resize(std::wcslen(text.c_str()));
    return text;
}

namespace {

DWORD window_process(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

BOOL CALLBACK collect_named(HWND hwnd, LPARAM param) {
    if (window_process(hwnd) != GetCurrentProcessId() && window_name(hwnd))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

struct ControlSearch {
    const std::wstring* name;
    HWND found;
};

BOOL CALLBACK match_control(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    const auto name = window_name(hwnd);
    if (name && *name == *search->name) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::wstring exe_name_of(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) return {};
    wchar_t path[MAX_PATH * 2];
    DWORD size = MAX_PATH * 2;
    std::wstring result;
    if (QueryFullProcessImageNameW(process, 0, path, &size)) {
        std::wstring full(path, size);
        const size_t slash = full.find_last_of(L"\\/");
        result = slash == std::wstring::npos ? full : full.substr(slash + 1);
    }
    CloseHandle(process);
    return result;
}

struct BoxSearch {
    HWND of_program = nullptr;  // a box of sparvane.exe
    HWND other = nullptr;       // a box of any other process but ours
};

BOOL CALLBACK match_box(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    if (!IsWindowVisible(hwnd) || class_name(hwnd) != L"#32770") return TRUE;
    const DWORD pid = window_process(hwnd);
    if (pid == GetCurrentProcessId()) return TRUE;
    if (_wcsicmp(exe_name_of(pid).c_str(), L"sparvane.exe") == 0) {
        search->of_program = hwnd;
        return FALSE;
    }
    if (!search->other) search->other = hwnd;
    return TRUE;
}

BOOL CALLBACK find_box_text(HWND hwnd, LPARAM param) {
    // The text is the static control with the id 0xFFFF; the icon is a static too, without text.
    auto* text = reinterpret_cast<std::wstring*>(param);
    if (_wcsicmp(class_name(hwnd).c_str(), L"Static") != 0) return TRUE;
    std::wstring candidate = window_text(hwnd);
    if (candidate.empty()) return TRUE;
    const bool is_text_id = GetDlgCtrlID(hwnd) == 0xFFFF;
    if (is_text_id || text->empty()) *text = candidate;
    return is_text_id ? FALSE : TRUE;
}

}  // namespace

std::vector<HWND> named_top_levels() {
    std::vector<HWND> windows;
    EnumWindows(collect_named, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND find_form(const std::wstring& form) {
    HWND hidden = nullptr;
    for (HWND hwnd : named_top_levels()) {
        if (*window_name(hwnd) != form) continue;
        if (IsWindowVisible(hwnd)) return hwnd;
        if (!hidden) hidden = hwnd;
    }
    return hidden;
}

HWND find_control(HWND form, const std::wstring& control) {
    ControlSearch search{&control, nullptr};
    EnumChildWindows(form, match_control, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool make_control_windows(HWND form) {
    static const UINT message = RegisterWindowMessageW(L"Sparvane.MakeControlWindows");
    DWORD_PTR made = 0;
    return message != 0 && SendMessageTimeoutW(form, message, 1, 0, SMTO_ABORTIFHUNG, 5000, &made) && made;
}

HWND resolve(const std::wstring& form, const std::wstring* control) {
    HWND form_window = find_form(form);
    if (!form_window) {
        err("no window named " + utf8(form));
        return nullptr;
    }
    if (!control) return form_window;
    HWND control_window = find_control(form_window, *control);
    // A form that has not been on screen (or only for its first activation) has no control
    // windows yet; the program makes them when asked.
    if (!control_window && make_control_windows(form_window)) control_window = find_control(form_window, *control);
    if (!control_window) err("no control named " + utf8(*control) + " on " + utf8(form));
    return control_window;
}

HWND find_message_box() {
    BoxSearch search;
    EnumWindows(match_box, reinterpret_cast<LPARAM>(&search));
    return search.of_program ? search.of_program : search.other;
}

std::wstring message_box_text(HWND box) {
    std::wstring text;
    EnumChildWindows(box, find_box_text, reinterpret_cast<LPARAM>(&text));
    return text;
}

}  // namespace driver

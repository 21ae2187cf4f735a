// sparvane-driver: drives the running sparvane.exe from another process of the same Wine
// prefix and desktop. Windows are found by the "Sparvane.Name" window property, which the
// program sets on every form and control window (a global atom named after the form or
// control). Every command prints its result on stdout and exits 0, or prints a reason on
// stderr and exits 1.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace driver {

// --- output -------------------------------------------------------------------------
std::string utf8(const std::wstring& text);
void out(const std::string& line);  // one line on stdout
void err(const std::string& line);  // one line on stderr

// --- windows found by name ----------------------------------------------------------
// The name a window carries in its "Sparvane.Name" property, if any.
std::optional<std::wstring> window_name(HWND hwnd);

// Top-level windows that carry a name, in Z order.
std::vector<HWND> named_top_levels();

// The form window called `form`, or nullptr. A visible instance wins over a hidden one.
HWND find_form(const std::wstring& form);

// The control window called `control` anywhere below `form`, or nullptr.
HWND find_control(HWND form, const std::wstring& control);

// Asks the program to make a form's control windows now (it makes them on first show).
bool make_control_windows(HWND form);

// Looks up FORM [CONTROL]; on failure prints why and returns nullptr.
HWND resolve(const std::wstring& form, const std::wstring* control);

// Window text read through WM_GETTEXT with a time-out, so a hung program cannot hang us.
std::wstring window_text(HWND hwnd);
std::wstring class_name(HWND hwnd);

// Waits in small steps until `done` is true or `timeout_ms` has passed.
template <typename Pred>
bool poll(DWORD timeout_ms, Pred done) {
    const ULONGLONG until = GetTickCount64() + timeout_ms;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= until) return false;
        Sleep(50);
    }
}

// --- message boxes ------------------------------------------------------------------
// The open message box of the program under test (a #32770 dialog of another process,
// preferring one that belongs to sparvane.exe), or nullptr.
HWND find_message_box();
std::wstring message_box_text(HWND box);

// --- notification area ----------------------------------------------------------------
// How many icons Wine's explorer shows in its notification area; nullopt if no tray.
std::optional<int> tray_icon_count();
// The tip of every shown notification-area icon, in explorer's order.
std::optional<std::vector<std::wstring>> tray_icon_tips();
struct TrayIcon {
    std::wstring tip;
    RECT screen;  // the icon's cell, screen coordinates
};
std::optional<std::vector<TrayIcon>> tray_icons();

// --- commands -------------------------------------------------------------------------
using Args = std::vector<std::wstring>;
int cmd_windows(const Args& a);
int cmd_tray_point(const Args& a);
int cmd_tray_forget(const Args& a);
int cmd_taskbar_created(const Args& a);
int cmd_menu(const Args& a);
int cmd_foreground(const Args& a);
int cmd_zorder(const Args& a);
int cmd_cover(const Args& a);
int cmd_controls(const Args& a);
int cmd_wait_window(const Args& a);
int cmd_text(const Args& a);
int cmd_pos(const Args& a);
int cmd_figure(const Args& a);
int cmd_watch_figure(const Args& a);
int cmd_rect(const Args& a);
int cmd_region(const Args& a);
int cmd_style(const Args& a);
int cmd_click(const Args& a);
int cmd_dblclick(const Args& a);
int cmd_close(const Args& a);
int cmd_focus(const Args& a);
int cmd_text_fit(const Args& a);
int cmd_msgbox(const Args& a);
int cmd_answer(const Args& a);
int cmd_pixel(const Args& a);
int cmd_tray_count(const Args& a);
int cmd_tray_tips(const Args& a);
int cmd_list_count(const Args& a);
int cmd_place(const Args& a);
int cmd_inside(const Args& a);        // driver_inside.cpp
int cmd_display_mode(const Args& a);  // driver_display.cpp
int cmd_display(const Args& a);
int cmd_gui_resources(const Args& a);  // driver_resources.cpp (footprint benchmark)
int cmd_latency(const Args& a);        // driver_resources.cpp (responsiveness benchmark)

}  // namespace driver

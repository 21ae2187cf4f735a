#pragma once
// The native side of one form: its top-level window, the native controls in it and the
// timers that tick on it. It paints the form's surface (back colour and shape outlines) and
// turns the system's messages into model events; the backend makes, shows and destroys it.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"
#include "win32/native_control.h"
#include "win32/owned_window.h"

namespace win32 {

class Win32Backend;

// Members die in reverse order: the controls' windows (and their names) go before the form
// window that parents them.
struct FormWindow {
    FormWindow(Win32Backend& b, forms::Form& f) : backend(b), form(f) {}
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    Win32Backend& backend;
    forms::Form& form;
    OwnedWindow window;
    OwnedWindow tooltip;
    std::vector<std::unique_ptr<NativeControl>> controls;  // in the form's order of adding
    std::unordered_map<const forms::Control*, NativeControl*> byControl;
    std::unordered_map<HWND, NativeControl*> byWindow;
    std::map<UINT_PTR, forms::Timer*> timers;
    std::wstring caption;
    HWND lastFocus = nullptr;
    UINT nextControlId = 1000;  // clear of IDOK/IDCANCEL, which dialog keys send to the form
    bool created = false;
    bool childWindows = false;  // the controls' windows exist (made on first show, or when asked)
    bool iconsSet = false;      // the form's icons are given to its window when it first shows
    bool keyboardCues = false;  // focus rectangles only once the keyboard has been used here

    // The form window's messages (windowProcedure<FormWindow>).
    LRESULT handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Makes the controls' windows (and the tool tip window) once.
    void makeChildWindows();
    // After a frame or picture box moved or was shown or hidden: what it holds follows.
    void placeContainedControls();
    // The form's back colour and shape outlines, which show through see-through controls.
    void paintSurface(HDC dc, const RECT& area);
    // The keyboard to the first control that takes it, or to the form itself.
    void focusFirstControl();

private:
    LRESULT onMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // One handler per message.
    LRESULT onMakeChildWindows(HWND hwnd, WPARAM wParam);
    LRESULT onPaint(HWND hwnd);
    LRESULT onPrintClient(HWND hwnd, HDC dc);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    bool onDrawItem(const DRAWITEMSTRUCT& item);  // true when the control drew itself
    bool onSetCursor(HWND over, WORD hitTest);    // true when a cursor was set
    LRESULT onTimer(WPARAM id);
    LRESULT onDeferredActivate(HWND hwnd);
    LRESULT onGeometryChanged();
    LRESULT onTrayIcon(WPARAM wParam, LPARAM lParam);
    void onGetMinMaxInfo(MINMAXINFO& limits) const;
    LRESULT onDpiChanged(HWND hwnd, UINT dpi, const RECT& suggested);
    LRESULT onEndSession(bool ending);
    // Runs model code as the answer to input: events it raises are the user's. Returns 0.
    template <typename Work>
    LRESULT inModel(Work work);
    void onActivate(HWND hwnd, WPARAM wParam);
    // Resolution, work area or DPI changed: the window follows, then the form hears.
    void onDisplayChanged(HWND hwnd);
    NativeControl* nativeOf(HWND child) const;
};

}  // namespace win32

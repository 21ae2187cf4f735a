#include "win32/native_control.h"

#include <commctrl.h>

#include "forms/control_layout.h"
#include "forms/form.h"
#include "win32/text.h"
#include "win32/win32_backend.h"
#include "win32/window_names.h"

namespace win32 {

Win32Backend& NativeControl::backend() const { return owner_.backend; }

HFONT NativeControl::font() const { return backend().fontFor(control_); }

void NativeControl::createWindow() {
    if (window_) return;
    const WindowClass wc = windowClass();
    if (wc.name == nullptr) return;
    Win32Backend& b = backend();
    const UINT id = owner_.nextControlId++;
    // Made in place and shown at once: under Wine every later move or show is another
    // round trip to the window server, and a form has dozens of controls.
    const forms::PixelRect r = clientRectOf(control_, b.twipsPerPixelX(), b.twipsPerPixelY());
    const DWORD style = wc.style | (shownOnScreen(control_) ? WS_VISIBLE : 0) | (control_.enabled() ? 0 : WS_DISABLED);
    HWND hwnd = CreateWindowExW(wc.exStyle, wc.name, L"", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                owner_.window.get(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), b.instance(),
                                static_cast<NativeControl*>(this));
    if (hwnd == nullptr) return;
    window_.reset(hwnd);
    // Our own classes took it from the creation parameters; the system's need it here.
    if (GetWindowLongPtrW(hwnd, GWLP_USERDATA) == 0)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<NativeControl*>(this)));
    owner_.byWindow[hwnd] = this;
    if (!setWindowName(hwnd, control_.qualifiedName())) {
        // The control works; it just cannot be found by name from outside.
    }
    control_.setHandle(reinterpret_cast<forms::WindowHandle>(hwnd));

    syncFont();
    syncText();
    syncContent();
    syncToolTip();
}

void NativeControl::destroyWindow() {
    control_.setHandle(0);
    window_.reset();
}

void NativeControl::place() {
    HWND hwnd = window_.get();
    if (hwnd == nullptr) return;
    const Win32Backend& b = backend();
    const forms::PixelRect r = clientRectOf(control_, b.twipsPerPixelX(), b.twipsPerPixelY());
    const bool shown = shownOnScreen(control_);
    // A contained control sits above its frame or picture box, which is its sibling here.
    HWND after = control_.container() != nullptr ? HWND_TOP : nullptr;
    UINT flags = SWP_NOACTIVATE | (after ? 0 : SWP_NOZORDER) | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    SetWindowPos(hwnd, after, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
}

void NativeControl::raiseAboveContainer() {
    if (control_.container() != nullptr && window_)
        SetWindowPos(window_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void NativeControl::changed(forms::Property what) {
    HWND h = window_.get();
    using forms::Property;
    switch (what) {
        case Property::Geometry:
        case Property::Visible:
            place();
            if (control_.canContain()) owner_.placeContainedControls();
            break;
        case Property::Enabled:
            if (h) EnableWindow(h, control_.enabled());
            break;
        case Property::Text: syncText(); break;
        case Property::Colors: invalidateIfShown(TRUE); break;
        case Property::Font:
            syncFont();
            if (h) InvalidateRect(h, nullptr, TRUE);
            break;
        case Property::ToolTip: syncToolTip(); break;
        case Property::Value:
        case Property::Range: syncValue(); break;
        case Property::Items: syncItems(); break;
        case Property::Selection: syncSelection(); break;
        case Property::Data:
        case Property::Picture: pictureChanged(); break;
    }
}

void NativeControl::pictureChanged() { invalidateIfShown(TRUE); }

void NativeControl::invalidateIfShown(BOOL erase) const {
    HWND h = window_.get();
    if (h != nullptr && IsWindowVisible(h)) InvalidateRect(h, nullptr, erase);
}

void NativeControl::syncFont() {
    if (HWND h = window_.get()) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
}

void NativeControl::syncText() {
    HWND h = window_.get();
    if (h == nullptr) return;
    text_ = tipIsName() ? widen(control_.toolTip()) : captionText();
    SetWindowTextW(h, text_.c_str());
}

void NativeControl::syncToolTip() {
    HWND tip = owner_.tooltip.get();
    HWND h = window_.get();
    if (h == nullptr) return;
    if (tipIsName()) syncText();
    if (tip == nullptr) return;
    std::wstring text = widen(control_.toolTip());
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = owner_.window.get();
    ti.uId = reinterpret_cast<UINT_PTR>(h);
    if (text.empty()) {
        if (hasTool_) SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        hasTool_ = false;
        return;
    }
    ti.lpszText = text.data();
    SendMessageW(tip, hasTool_ ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    hasTool_ = true;
}

LRESULT NativeControl::colors(HDC dc) {
    SetTextColor(dc, toColorRef(control_.foreColor()));
    SetBkColor(dc, toColorRef(control_.backColor()));
    return reinterpret_cast<LRESULT>(backend().gdi().brush(control_.backColor()));
}

LRESULT NativeControl::handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Win32Backend::DepthGuard depth(backend());
    return onMessage(hwnd, msg, wParam, lParam);
}

LRESULT NativeControl::onMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace win32

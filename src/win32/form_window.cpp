// The form window's procedure: paints the form's surface (back colour and shapes) and
// turns the system's messages into model events.
#include "win32/form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>

#include "platform/tray_icon.h"

#include "win32/gdi_cache.h"
#include "win32/gdi_guards.h"
#include "win32/off_thread_work.h"
#include "win32/win32_backend.h"

namespace win32 {
namespace {

// Posted to a form that became active while the model was hiding or unloading another
// one, so that its Activate runs once that work is over.
constexpr UINT kDeferredActivate = WM_APP + 1;

}  // namespace

LRESULT FormWindow::handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Win32Backend::DepthGuard depth(backend);
    return onMessage(hwnd, msg, wParam, lParam);
}

NativeControl* FormWindow::nativeOf(HWND child) const {
    auto it = byWindow.find(child);
    return it == byWindow.end() ? nullptr : it->second;
}

template <typename Work>
LRESULT FormWindow::inModel(Work work) {
    Win32Backend::InputScope scope(backend);
    work();
    return 0;
}

LRESULT FormWindow::onMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == backend.makeChildWindowsMessage() && msg != 0) return onMakeChildWindows(hwnd, wParam);
    if (msg == backend.taskbarCreatedMessage() && msg != 0) return inModel([this] { form.taskbarCreated(); });
    switch (msg) {
        case WM_ERASEBKGND: return 1;  // WM_PAINT fills everything
        case WM_PAINT: return onPaint(hwnd);
        case WM_PRINTCLIENT: return onPrintClient(hwnd, reinterpret_cast<HDC>(wParam));
        case WM_COMMAND: return onCommand(wParam, lParam);
        case WM_DRAWITEM:
            if (onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (NativeControl* native = nativeOf(reinterpret_cast<HWND>(lParam)))
                return native->colors(reinterpret_cast<HDC>(wParam));
            break;
        case WM_SETCURSOR:
            if (onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
            break;
        case WM_TIMER: return onTimer(wParam);
        case WM_ACTIVATE: onActivate(hwnd, wParam); return 0;
        case kDeferredActivate: return onDeferredActivate(hwnd);
        // The model decides: QueryUnload may cancel, and an unload destroys the window.
        case WM_CLOSE: return inModel([this] { form.userClose(); });
        case WM_LBUTTONDBLCLK: return inModel([this] { form.userDblClick(); });
        case WM_SIZE:
        case WM_MOVE: return onGeometryChanged();
        case WM_GETMINMAXINFO: onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
        case WM_DPICHANGED: return onDpiChanged(hwnd, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        case WM_DISPLAYCHANGE: onDisplayChanged(hwnd); break;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA) onDisplayChanged(hwnd);
            break;
        case platform::kTrayCallbackMessage: return onTrayIcon(wParam, lParam);
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION: return onEndSession(wParam != FALSE);
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT FormWindow::onMakeChildWindows(HWND hwnd, WPARAM wParam) {
    // wParam 0: our own request from showForm, for a form still on screen. Anything else:
    // asked from outside, so made even for a hidden form.
    if (wParam != 0 || IsWindowVisible(hwnd)) makeChildWindows();
    return childWindows ? TRUE : FALSE;
}

LRESULT FormWindow::onPaint(HWND hwnd) {
    const PaintDC paint(hwnd);
    paintSurface(paint.get(), paint.area());
    return 0;
}

LRESULT FormWindow::onPrintClient(HWND hwnd, HDC dc) {
    RECT r;
    GetClientRect(hwnd, &r);
    paintSurface(dc, r);
    return 0;
}

LRESULT FormWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    // lParam 0: menu, accelerator or dialog key, nothing to do.
    if (NativeControl* native = lParam != 0 ? nativeOf(reinterpret_cast<HWND>(lParam)) : nullptr)
        native->command(HIWORD(wParam));
    return 0;
}

bool FormWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    NativeControl* native = nativeOf(item.hwndItem);
    return native != nullptr && native->drawItem(item);
}

bool FormWindow::onSetCursor(HWND over, WORD hitTest) {
    // Controls pass the question up to their form: the whole window waits.
    if (HCURSOR wait = backend.busyCursor()) {
        SetCursor(wait);
        return true;
    }
    NativeControl* native = nativeOf(over);
    if (native == nullptr || hitTest != HTCLIENT || !native->handCursor() || backend.handCursor() == nullptr)
        return false;
    SetCursor(backend.handCursor());
    return true;
}

// With the version 4 behaviour: the low word of lParam is what happened, wParam the anchor
// point in screen coordinates. The raw mouse messages that come as well are left alone.
LRESULT FormWindow::onTrayIcon(WPARAM wParam, LPARAM lParam) {
    forms::TrayIconEvent event;
    switch (LOWORD(lParam)) {
        case platform::tray_events::kSelect: event = forms::TrayIconEvent::Select; break;
        case platform::tray_events::kKeySelect: event = forms::TrayIconEvent::KeySelect; break;
        case platform::tray_events::kContextMenu: event = forms::TrayIconEvent::ContextMenu; break;
        default: return 0;
    }
    const int x = GET_X_LPARAM(wParam), y = GET_Y_LPARAM(wParam);
    return inModel([this, event, x, y] { form.trayIconUsed(event, x, y); });
}

// The system keeps a dragged frame from going below the form's minimum, so the layout is
// never squeezed while the user drags.
void FormWindow::onGetMinMaxInfo(MINMAXINFO& limits) const {
    if (form.minimumClientWidth() <= 0 && form.minimumClientHeight() <= 0) return;
    const double perPixel = backend.twipsPerPixelX();
    const auto pixels = [perPixel](double twips) { return static_cast<LONG>(std::ceil(twips / perPixel)); };
    limits.ptMinTrackSize.x = pixels(form.minimumClientWidth() + backend.frameWidthTwips(form));
    limits.ptMinTrackSize.y = pixels(form.minimumClientHeight() + backend.frameHeightTwips(form));
}

LRESULT FormWindow::onTimer(WPARAM id) {
    auto it = timers.find(id);
    if (it != timers.end()) inModel([timer = it->second] { timer->fire(); });
    return 0;
}

LRESULT FormWindow::onDeferredActivate(HWND hwnd) {
    if (created && GetActiveWindow() == hwnd && form.visible()) inModel([this] { form.activated(); });
    return 0;
}

LRESULT FormWindow::onGeometryChanged() {
    if (created) inModel([this] { backend.reportGeometry(*this, !backend.showing()); });
    return 0;
}

LRESULT FormWindow::onDpiChanged(HWND hwnd, UINT dpi, const RECT& suggested) {
    backend.applyDpi(dpi);
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    onDisplayChanged(hwnd);
    return 0;
}

LRESULT FormWindow::onEndSession(bool ending) {
    if (!ending) return 0;
    // Every form unloads in the ordinary way (its QueryUnload sees the session ending),
    // then the process ends on its own terms.
    inModel([this] {
        if (forms::Application* app = backend.application()) app->endSession();
    });
    exitProcessAfterOffThreadWork(0);
}

void FormWindow::onDisplayChanged(HWND hwnd) {
    if (!created) return;
    if (IsZoomed(hwnd)) {
        // A maximized window keeps covering its monitor as the system would maximize it
        // now: the whole monitor without a caption, the work area with one.
        MONITORINFO mi{};
        mi.cbSize = sizeof(mi);
        if (GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &mi)) {
            const bool hasCaption = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
            const RECT target = hasCaption ? mi.rcWork : mi.rcMonitor;
            RECT now{};
            GetWindowRect(hwnd, &now);
            if (!EqualRect(&now, &target))
                SetWindowPos(hwnd, nullptr, target.left, target.top, target.right - target.left,
                             target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    Win32Backend::InputScope scope(backend);
    backend.reportGeometry(*this, true);
    if (created) form.displayChanged();
}

void FormWindow::onActivate(HWND hwnd, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus)) lastFocus = focus;
        return;
    }
    if (HIWORD(wParam) == 0) {  // not minimized: give the keyboard to a control
        if (lastFocus != nullptr && IsWindow(lastFocus) && IsChild(hwnd, lastFocus) && IsWindowEnabled(lastFocus))
            SetFocus(lastFocus);
        else
            focusFirstControl();
    }
    if (!created) return;
    if (backend.showing()) return;  // Form::show raises Resize and Activate in its own order
    if (backend.hiding()) {
        PostMessageW(hwnd, kDeferredActivate, 0, 0);
        return;
    }
    Win32Backend::InputScope scope(backend);
    form.activated();
}

void FormWindow::focusFirstControl() {
    if (!form.focusFirstControl()) {
        SetFocus(window.get());
        return;
    }
    for (const auto& native : controls) {
        HWND h = native->hwnd();
        if (h == nullptr) continue;
        const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
            SetFocus(h);
            return;
        }
    }
    SetFocus(window.get());
}

void FormWindow::paintSurface(HDC dc, const RECT& area) {
    FillRect(dc, &area, backend.gdi().brush(form.backColor()));
    for (const auto& native : controls) native->paintOnForm(dc);
}

void FormWindow::placeContainedControls() {
    for (const auto& native : controls)
        if (native->control().container() != nullptr) native->place();
}

void FormWindow::makeChildWindows() {
    if (childWindows || !created) return;
    Win32Backend::DepthGuard depth(backend);
    childWindows = true;
    // The tool tips belong to the controls, so they come with them.
    tooltip.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window.get(), nullptr,
                                  backend.instance(), nullptr));
    if (tooltip) SendMessageW(tooltip.get(), TTM_SETMAXTIPWIDTH, 0, 400);
    HWND hwnd = window.get();
    // One repaint for the lot instead of one visible-region update per child.
    const bool onScreen = IsWindowVisible(hwnd) != FALSE;
    if (onScreen) SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    for (const auto& native : controls) native->createWindow();
    // Children are created in the model's order, which may put a frame after its contents.
    for (const auto& native : controls) native->raiseAboveContainer();
    if (onScreen) {
        SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    // The form may have been activated before it had anything to give the keyboard to.
    if (GetActiveWindow() == hwnd && GetFocus() == hwnd) focusFirstControl();
}

}  // namespace win32

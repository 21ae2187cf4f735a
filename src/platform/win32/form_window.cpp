// The form window's procedure: paints the form's surface (back colour and shapes) and
// turns the system's messages into model events.
#include <windows.h>
#include <windowsx.h>

#include "forms/control.h"
#include "forms/form.h"
#include "platform/win32/control_layout.h"
#include "platform/win32/gdi_guards.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_backend.h"

namespace platform::win32 {
namespace {

// Posted to a form that became active while the model was hiding or unloading another
// one, so that its Activate runs once that work is over.
constexpr UINT kDeferredActivate = WM_APP + 1;

}  // namespace

LRESULT FormWindow::handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Win32Backend::DepthGuard depth(backend);
    return backend.onFormMessage(*this, hwnd, msg, wParam, lParam);
}

LRESULT Win32Backend::onFormMessage(FormWindow& fw, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    forms::Form& form = fw.form;
    if (msg == makeChildWindowsMessage_ && msg != 0) {
        // wParam 0: our own request from showForm, for a form still on screen. Anything
        // else: asked from outside, so made even for a hidden form.
        if (wParam != 0 || IsWindowVisible(hwnd)) makeChildWindows(fw);
        return fw.childWindows ? TRUE : FALSE;
    }
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills everything
        case WM_PAINT: {
            const PaintDC paint(hwnd);
            paintFormSurface(fw, paint.get(), paint.area());
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT r;
            GetClientRect(hwnd, &r);
            paintFormSurface(fw, reinterpret_cast<HDC>(wParam), r);
            return 0;
        }
        case WM_COMMAND:
            onCommand(fw, wParam, lParam);
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            auto it = fw.byWindow.find(item->hwndItem);
            if (it != fw.byWindow.end() && it->second->drawItem(*item)) return TRUE;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: {
            auto it = fw.byWindow.find(reinterpret_cast<HWND>(lParam));
            if (it != fw.byWindow.end()) return it->second->colors(reinterpret_cast<HDC>(wParam));
            break;
        }
        case WM_SETCURSOR: {
            // Controls pass the question up to their form: the whole window waits.
            if (busy_ && wait_ != nullptr) {
                SetCursor(wait_);
                return TRUE;
            }
            auto it = fw.byWindow.find(reinterpret_cast<HWND>(wParam));
            if (it != fw.byWindow.end() && LOWORD(lParam) == HTCLIENT && it->second->handCursor() &&
                hand_ != nullptr) {
                SetCursor(hand_);
                return TRUE;
            }
            break;
        }
        case WM_TIMER: {
            auto it = fw.timers.find(wParam);
            if (it == fw.timers.end()) return 0;
            forms::Timer* timer = it->second;
            InputScope scope(*this);
            timer->fire();
            return 0;
        }
        case WM_ACTIVATE:
            onFormActivate(fw, hwnd, wParam);
            return 0;
        case kDeferredActivate:
            if (fw.created && GetActiveWindow() == hwnd && form.visible()) {
                InputScope scope(*this);
                form.activated();
            }
            return 0;
        case WM_CLOSE: {
            // The model decides: QueryUnload may cancel, and an unload destroys the window.
            InputScope scope(*this);
            form.userClose();
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            InputScope scope(*this);
            form.userDblClick();
            return 0;
        }
        case WM_SIZE:
        case WM_MOVE:
            if (fw.created) {
                InputScope scope(*this);
                reportGeometry(fw, showing_ == 0);
            }
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                {
                    // Every form unloads in the ordinary way (its QueryUnload sees the
                    // session ending), then the process ends on its own terms.
                    InputScope scope(*this);
                    if (app_ != nullptr) app_->endSession();
                }
                ExitProcess(0);
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void Win32Backend::onFormActivate(FormWindow& fw, HWND hwnd, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus)) fw.lastFocus = focus;
        return;
    }
    if (HIWORD(wParam) == 0) {  // not minimized: give the keyboard to a control
        if (fw.lastFocus != nullptr && IsWindow(fw.lastFocus) && IsChild(hwnd, fw.lastFocus) &&
            IsWindowEnabled(fw.lastFocus))
            SetFocus(fw.lastFocus);
        else
            focusFirstControl(fw);
    }
    if (!fw.created) return;
    if (showing_ > 0) return;  // Form::show raises Resize and Activate in its own order
    if (hiding_ > 0) {
        PostMessageW(hwnd, kDeferredActivate, 0, 0);
        return;
    }
    InputScope scope(*this);
    fw.form.activated();
}

void Win32Backend::focusFirstControl(FormWindow& fw) {
    if (!fw.form.focusFirstControl()) {
        SetFocus(fw.window.get());
        return;
    }
    for (const auto& native : fw.controls) {
        HWND h = native->hwnd();
        if (h == nullptr) continue;
        const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
            SetFocus(h);
            return;
        }
    }
    SetFocus(fw.window.get());
}

void Win32Backend::onCommand(FormWindow& fw, WPARAM wParam, LPARAM lParam) {
    auto it = fw.byWindow.find(reinterpret_cast<HWND>(lParam));
    if (lParam == 0 || it == fw.byWindow.end()) return;  // menu, accelerator or dialog key: nothing to do
    it->second->command(HIWORD(wParam));
}

void Win32Backend::paintFormSurface(FormWindow& fw, HDC dc, const RECT& area) {
    FillRect(dc, &area, gdi_.brush(fw.form.backColor()));
    for (const auto& native : fw.controls) native->paintOnForm(dc);
}

}  // namespace platform::win32

#include "win32/drawn_control.h"

#include "win32/gdi_guards.h"
#include "win32/win32_backend.h"

namespace win32 {

bool DrawnControl::keyboardCues() const { return owner().keyboardCues; }

LRESULT DrawnControl::onMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            const PaintDC dc(hwnd);
            paint(dc.get());
            return 0;
        }
        case WM_LBUTTONDOWN:
            mouseDown_ = true;
            SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP: {
            if (!mouseDown_) return 0;
            mouseDown_ = false;
            ReleaseCapture();
            RECT r;
            GetClientRect(hwnd, &r);
            const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&r, p)) {
                Win32Backend::InputScope scope(backend());
                control().userClick();
            }
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            mouseDown_ = false;
            Win32Backend::InputScope scope(backend());
            control().userDblClick();
            return 0;
        }
        case WM_CAPTURECHANGED: mouseDown_ = false; return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, FALSE);  // the focus rectangle comes and goes
            break;
        case WM_SETFONT: InvalidateRect(hwnd, nullptr, FALSE); return 0;
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void DrawnControl::paintTransparentBack(HDC dc) {
    HWND self = hwnd();
    RECT r;
    GetClientRect(self, &r);
    POINT origin{0, 0};
    MapWindowPoints(self, owner().window.get(), &origin, 1);
    const ShiftedViewport shifted(dc, -origin.x, -origin.y);
    OffsetRect(&r, origin.x, origin.y);
    owner().paintSurface(dc, r);
}

}  // namespace win32

// The speed bars. The system's bar repaints itself whole, visual style and all, for every
// position it is told; the widget's two bars are told a new one on most traffic ticks, and
// under Wine that repaint cost as much as the rest of the tick. This bar is one sunken edge
// and two fills, and a new value repaints only the strip between the old and new end of the
// fill, or nothing when the end stays on the same pixel.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "forms/control.h"
#include "platform/win32/control_layout.h"
#include "platform/win32/win32_backend.h"

namespace platform::win32 {
namespace {

// The area inside the one-pixel sunken edge.
RECT innerRect(HWND h) {
    RECT r{};
    GetClientRect(h, &r);
    InflateRect(&r, -1, -1);
    if (r.right < r.left) r.right = r.left;
    return r;
}

int fillOf(const ControlWindow& cw, const RECT& inner) {
    const auto& bar = static_cast<const forms::ProgressBar&>(cw.control);
    return progressFill(bar.min(), bar.max(), bar.value(), inner.right - inner.left);
}

}  // namespace

void Win32Backend::paintProgress(ControlWindow& cw, HDC dc) {
    RECT edge{};
    GetClientRect(cw.window.get(), &edge);
    DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    const RECT inner = innerRect(cw.window.get());
    const int fill = fillOf(cw, inner);
    const RECT done{inner.left, inner.top, inner.left + fill, inner.bottom};
    const RECT rest{inner.left + fill, inner.top, inner.right, inner.bottom};
    FillRect(dc, &done, GetSysColorBrush(COLOR_HIGHLIGHT));
    FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
    cw.shownFill = fill;
}

void Win32Backend::progressChanged(ControlWindow& cw) {
    HWND h = cw.window.get();
    // A hidden bar (the network window's) paints from the model when it is shown.
    if (h == nullptr || !IsWindowVisible(h)) return;
    const RECT inner = innerRect(h);
    const int fill = fillOf(cw, inner);
    if (fill == cw.shownFill) return;
    if (cw.shownFill < 0) {
        InvalidateRect(h, nullptr, FALSE);
        return;
    }
    const RECT strip{inner.left + std::min(fill, cw.shownFill), inner.top, inner.left + std::max(fill, cw.shownFill),
                     inner.bottom};
    InvalidateRect(h, &strip, FALSE);
}

// Other programs (screen readers, our test driver) ask a bar where it stands the way they
// ask the system's bar, which holds whole positions. The range record is filled only for a
// caller on this thread: from another process the pointer means nothing here.
LRESULT Win32Backend::answerProgressQuery(const ControlWindow& cw, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto& bar = static_cast<const forms::ProgressBar&>(cw.control);
    if (msg == PBM_GETPOS) return static_cast<LRESULT>(std::lround(bar.value()));
    const int low = static_cast<int>(std::lround(bar.min()));
    const int high = static_cast<int>(std::lround(bar.max()));
    if (auto* range = reinterpret_cast<PBRANGE*>(lParam); range != nullptr && !InSendMessage()) {
        range->iLow = low;
        range->iHigh = high;
    }
    return wParam ? low : high;
}

}  // namespace platform::win32

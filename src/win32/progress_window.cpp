// The speed bars. The system's bar repaints itself whole, visual style and all, for every
// position it is told; the widget's two bars are told a new one on most traffic ticks, and
// under Wine that repaint cost as much as the rest of the tick. This bar is one sunken edge
// and two fills, and a new value repaints only the strip between the old and new end of the
// fill, or nothing when the end stays on the same pixel.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "forms/control_layout.h"
#include "win32/control_kinds.h"
#include "win32/drawn_control.h"

namespace win32 {
namespace {

// The area inside the one-pixel sunken edge.
RECT innerRect(HWND h) {
    RECT r{};
    GetClientRect(h, &r);
    InflateRect(&r, -1, -1);
    if (r.right < r.left) r.right = r.left;
    return r;
}

class ProgressWindow final : public DrawnControl {
public:
    ProgressWindow(forms::ProgressBar& bar, FormWindow& owner) : DrawnControl(bar, owner), bar_(bar) {}

private:
    WindowClass windowClass() const override { return {L"Sparvane.Progress", kChildStyle, 0}; }
    void syncContent() override { syncValue(); }

    int fillOf(const RECT& inner) const {
        return forms::progressFill(bar_.min(), bar_.max(), bar_.value(), inner.right - inner.left);
    }

    void syncValue() override {
        HWND h = hwnd();
        // A hidden bar (the network window's) paints from the model when it is shown.
        if (h == nullptr || !IsWindowVisible(h)) return;
        const RECT inner = innerRect(h);
        const int fill = fillOf(inner);
        if (fill == shownFill_) return;
        if (shownFill_ < 0) {
            InvalidateRect(h, nullptr, FALSE);
            return;
        }
        const RECT strip{inner.left + std::min(fill, shownFill_), inner.top, inner.left + std::max(fill, shownFill_),
                         inner.bottom};
        InvalidateRect(h, &strip, FALSE);
    }

    void paint(HDC dc) override {
        RECT edge{};
        GetClientRect(hwnd(), &edge);
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
        const RECT inner = innerRect(hwnd());
        const int fill = fillOf(inner);
        const RECT done{inner.left, inner.top, inner.left + fill, inner.bottom};
        const RECT rest{inner.left + fill, inner.top, inner.right, inner.bottom};
        FillRect(dc, &done, GetSysColorBrush(COLOR_HIGHLIGHT));
        FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
        shownFill_ = fill;
    }

    // Other programs (screen readers, our test driver) ask a bar where it stands the way
    // they ask the system's bar, which holds whole positions. The range record is filled
    // only for a caller on this thread: from another process the pointer means nothing here.
    LRESULT onMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == PBM_GETPOS) return static_cast<LRESULT>(std::lround(bar_.value()));
        if (msg != PBM_GETRANGE) return DrawnControl::onMessage(hwnd, msg, wParam, lParam);
        const int low = static_cast<int>(std::lround(bar_.min()));
        const int high = static_cast<int>(std::lround(bar_.max()));
        if (auto* range = reinterpret_cast<PBRANGE*>(lParam); range != nullptr && !InSendMessage()) {
            range->iLow = low;
            range->iHigh = high;
        }
        return wParam ? low : high;
    }

    forms::ProgressBar& bar_;
    int shownFill_ = -1;  // pixels of the fill as last painted; -1 before the first paint
};

}  // namespace

std::unique_ptr<NativeControl> makeProgressWindow(forms::ProgressBar& bar, FormWindow& owner) {
    return std::make_unique<ProgressWindow>(bar, owner);
}

}  // namespace win32

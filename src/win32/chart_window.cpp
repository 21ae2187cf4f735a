// The speed graphs: one bar per series in its own colour, scaled to the largest value,
// standing on the bottom edge.
#include <windows.h>

#include "forms/control_layout.h"
#include "win32/control_kinds.h"
#include "win32/drawn_control.h"
#include "win32/gdi_cache.h"
#include "win32/gdi_guards.h"
#include "win32/win32_backend.h"

namespace win32 {
namespace {

class ChartWindow final : public DrawnControl {
public:
    ChartWindow(forms::Chart& chart, FormWindow& owner) : DrawnControl(chart, owner), chart_(chart) {}

private:
    WindowClass windowClass() const override { return {L"Sparvane.Chart", kChildStyle, 0}; }

    void paint(HDC dc) override {
        GdiCache& gdi = backend().gdi();
        RECT client;
        GetClientRect(hwnd(), &client);
        const auto bars = forms::chartBars(chart_.data(), client.right, client.bottom);
        // Bars first, then the background around them, so nothing is painted twice (no
        // flicker at the 500 ms refresh).
        const SavedDC saved(dc);  // the clipping below is undone at the end
        for (size_t i = 0; i < bars.size(); ++i) {
            const RECT bar{bars[i].left, bars[i].top, bars[i].right, bars[i].bottom};
            if (bar.top >= bar.bottom || bar.left >= bar.right) continue;
            FillRect(dc, &bar, gdi.brush(chart_.seriesColor(static_cast<int>(i) + 1)));
            ExcludeClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
        }
        FillRect(dc, &client, gdi.brush(chart_.backColor()));
    }

    forms::Chart& chart_;
};

}  // namespace

std::unique_ptr<NativeControl> makeChartWindow(forms::Chart& chart, FormWindow& owner) {
    return std::make_unique<ChartWindow>(chart, owner);
}

}  // namespace win32

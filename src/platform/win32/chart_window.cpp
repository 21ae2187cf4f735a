// The speed graphs: one bar per series in its own colour, scaled to the largest value,
// standing on the bottom edge.
#include <windows.h>

#include "forms/control.h"
#include "platform/win32/control_layout.h"
#include "platform/win32/gdi_guards.h"
#include "platform/win32/win32_backend.h"

namespace platform::win32 {

void Win32Backend::paintChart(ControlWindow& cw, HDC dc) {
    const auto& chart = static_cast<const forms::Chart&>(cw.control);
    RECT client;
    GetClientRect(cw.window.get(), &client);
    const auto bars = chartBars(chart.data(), client.right, client.bottom);
    // Bars first, then the background around them, so nothing is painted twice (no flicker
    // at the 500 ms refresh).
    const SavedDC saved(dc);  // the clipping below is undone at the end
    for (size_t i = 0; i < bars.size(); ++i) {
        const RECT bar{bars[i].left, bars[i].top, bars[i].right, bars[i].bottom};
        if (bar.top >= bar.bottom || bar.left >= bar.right) continue;
        FillRect(dc, &bar, gdi_.brush(chart.seriesColor(static_cast<int>(i) + 1)));
        ExcludeClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
    }
    FillRect(dc, &client, gdi_.brush(chart.backColor()));
}

}  // namespace platform::win32

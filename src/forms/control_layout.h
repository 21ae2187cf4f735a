#pragma once
// Where a backend puts a control's native window, worked out from the model alone: plain
// arithmetic on twips and pixels that every backend shares and that is tested natively.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "forms/control.h"
#include "forms/types.h"
#include "platform/rounding.h"

namespace forms {

// Twips to whole pixels. Halves go to the even neighbour, the same rounding the widget's
// region helper uses, so a control's window and its slot in the region line up exactly.
inline int twipsToPixels(double twips, double twipsPerPixel) {
    if (!(twipsPerPixel > 0)) return 0;
    return platform::roundHalfEven(twips / twipsPerPixel);
}

// The control's rectangle in the form's client area, in pixels. Controls inside a frame or
// picture box are children of the form window too, so their container's position is
// added (containers may nest).
inline PixelRect clientRectOf(const Control& control, double tppX, double tppY) {
    double left = control.leftTwips(), top = control.topTwips();
    int depth = 0;
    for (const Control* c = control.container(); c != nullptr && depth < 32; c = c->container(), ++depth) {
        left += c->leftTwips();
        top += c->topTwips();
    }
    PixelRect r;
    r.left = twipsToPixels(left, tppX);
    r.top = twipsToPixels(top, tppY);
    r.right = r.left + std::max(0, twipsToPixels(control.widthTwips(), tppX));
    r.bottom = r.top + std::max(0, twipsToPixels(control.heightTwips(), tppY));
    return r;
}

// A control is on screen only while it and every container around it are visible.
inline bool shownOnScreen(const Control& control) {
    int depth = 0;
    for (const Control* c = &control; c != nullptr && depth < 33; c = c->container(), ++depth)
        if (!c->visible()) return false;
    return true;
}

// One bar per series, side by side, scaled so that the largest value fills the height;
// the baseline is the bottom edge. Values of zero or less, or not numbers, get no height.
inline std::vector<PixelRect> chartBars(const std::vector<double>& values, int width, int height) {
    std::vector<PixelRect> bars;
    if (values.empty() || width <= 0 || height <= 0) return bars;
    double largest = 0;
    for (double v : values)
        if (std::isfinite(v) && v > largest) largest = v;
    const int n = static_cast<int>(values.size());
    const int gap = width >= 4 * n ? std::max(1, width / (8 * n)) : 0;
    for (int i = 0; i < n; ++i) {
        PixelRect bar;
        bar.left = i * width / n + gap;
        bar.right = (i + 1) * width / n - gap;
        if (bar.right < bar.left) bar.right = bar.left;
        bar.bottom = height;
        const double v = values[static_cast<std::size_t>(i)];
        const double share = (largest > 0 && std::isfinite(v) && v > 0) ? v / largest : 0.0;
        bar.top = height - static_cast<int>(std::lround(share * height));
        bars.push_back(bar);
    }
    return bars;
}

// How many pixels of a bar's inner width its value fills: the value counts as far as it
// goes (98.76 of 0..100 fills 98.76%), cut to whole pixels as the system's bar does. A value
// outside the range fills to the nearer end; no range or no number fills nothing.
inline int progressFill(double min, double max, double value, int width) {
    if (width <= 0 || !(max > min) || !std::isfinite(value) || !std::isfinite(max - min)) return 0;
    const double share = std::clamp((value - min) / (max - min), 0.0, 1.0);
    return static_cast<int>(share * width);
}

}  // namespace forms

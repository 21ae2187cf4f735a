#include "win32/glyphs.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "win32/gdi_guards.h"
#include "win32/handles_win32.h"

namespace win32 {
namespace {

// Maps the 16 x 16 design grid every picture is drawn on into the target square.
class Canvas {
public:
    Canvas(HDC dc, const RECT& area, bool enabled) : dc_(dc), enabled_(enabled) {
        const int w = area.right - area.left, h = area.bottom - area.top;
        size_ = std::max(0, std::min(w, h));
        x0_ = area.left + (w - size_) / 2.0;
        y0_ = area.top + (h - size_) / 2.0;
        unit_ = size_ / 16.0;
    }
    bool empty() const { return size_ < 4; }
    POINT at(double x, double y) const {
        return POINT{static_cast<LONG>(std::lround(x0_ + x * unit_)), static_cast<LONG>(std::lround(y0_ + y * unit_))};
    }
    int width(double units) const { return std::max(1, static_cast<int>(std::lround(units * unit_))); }

    // Grey stand-in for a disabled control: same lightness, no hue.
    COLORREF tone(int r, int g, int b) const {
        if (enabled_) return RGB(r, g, b);
        const int luma = (r * 30 + g * 59 + b * 11) / 100;
        const int grey = std::min(255, 96 + luma / 2);
        return RGB(grey, grey, grey);
    }

    void polygon(std::initializer_list<std::pair<double, double>> pts, COLORREF fill, COLORREF edge) {
        std::vector<POINT> p;
        for (auto [x, y] : pts) p.push_back(at(x, y));
        Tools t(dc_, solidPen(edge, 1), CreateSolidBrush(fill));
        Polygon(dc_, p.data(), static_cast<int>(p.size()));
    }
    void line(double x1, double y1, double x2, double y2, COLORREF color, double thickness) {
        Tools t(dc_, roundPen(color, thickness), nullptr);
        const POINT a = at(x1, y1), b = at(x2, y2);
        MoveToEx(dc_, a.x, a.y, nullptr);
        LineTo(dc_, b.x, b.y);
    }
    void polyline(std::initializer_list<std::pair<double, double>> pts, COLORREF color, double thickness) {
        std::vector<POINT> p;
        for (auto [x, y] : pts) p.push_back(at(x, y));
        Tools t(dc_, roundPen(color, thickness), nullptr);
        Polyline(dc_, p.data(), static_cast<int>(p.size()));
    }
    void ellipse(double l, double t, double r, double b, COLORREF fill, COLORREF edge) {
        Tools tools(dc_, solidPen(edge, 1), CreateSolidBrush(fill));
        const POINT a = at(l, t), z = at(r, b);
        Ellipse(dc_, a.x, a.y, z.x, z.y);
    }
    void rect(double l, double t, double r, double b, COLORREF fill, COLORREF edge) {
        Tools tools(dc_, solidPen(edge, 1), CreateSolidBrush(fill));
        const POINT a = at(l, t), z = at(r, b);
        Rectangle(dc_, a.x, a.y, z.x, z.y);
    }
    // Counter-clockwise arc of the circle (cx, cy, radius) from angle `from` to `to`
    // (degrees, mathematical orientation: 0 = right, 90 = up).
    void arc(double cx, double cy, double radius, double from, double to, COLORREF color, double thickness) {
        Tools t(dc_, roundPen(color, thickness), nullptr);
        const POINT a = at(cx - radius, cy - radius), z = at(cx + radius, cy + radius);
        const POINT s = at(cx + radius * std::cos(rad(from)), cy - radius * std::sin(rad(from)));
        const POINT e = at(cx + radius * std::cos(rad(to)), cy - radius * std::sin(rad(to)));
        SetArcDirection(dc_, AD_COUNTERCLOCKWISE);
        Arc(dc_, a.x, a.y, z.x, z.y, s.x, s.y, e.x, e.y);
    }
    static double rad(double degrees) { return degrees * 3.14159265358979323846 / 180.0; }

private:
    // Selects a pen and a brush for one figure and deletes them afterwards; nothing
    // drawn here outlives the paint. The selections go back before the objects are freed.
    class Tools {
    public:
        Tools(HDC dc, HPEN pen, HBRUSH brush)
            : pen_(pen),
              brush_(brush),
              selectedPen_(dc, pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(NULL_PEN)),
              selectedBrush_(dc, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH)) {}

    private:
        GdiObject pen_;
        GdiObject brush_;
        SelectedObject selectedPen_;
        SelectedObject selectedBrush_;
    };

    HPEN solidPen(COLORREF color, int w) const { return CreatePen(PS_SOLID, w, color); }
    HPEN roundPen(COLORREF color, double thickness) const {
        LOGBRUSH lb{BS_SOLID, color, 0};
        // PS_SOLID, PS_ENDCAP_ROUND and PS_JOIN_ROUND are all 0; they stay for the reader.
        return ExtCreatePen(
            PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,  // NOLINT(misc-redundant-expression)
            width(thickness), &lb, 0, nullptr);
    }

    HDC dc_;
    bool enabled_;
    int size_ = 0;
    double x0_ = 0, y0_ = 0, unit_ = 1;
};

void trashCan(Canvas& c) {
    const COLORREF dark = c.tone(40, 95, 45), body = c.tone(95, 170, 95), rib = c.tone(210, 240, 210);
    c.rect(6.2, 1.8, 9.8, 3.6, body, dark);  // handle
    c.line(2.8, 4.0, 13.2, 4.0, dark, 1.6);  // lid
    c.polygon({{3.8, 5.2}, {12.2, 5.2}, {11.2, 14.4}, {4.8, 14.4}}, body, dark);
    for (double x : {6.4, 8.0, 9.6}) c.line(x, 7.0, x, 12.6, rib, 0.9);
}

void shield(Canvas& c) {
    const COLORREF edge = c.tone(20, 50, 115), fill = c.tone(40, 95, 185), light = c.tone(120, 170, 235);
    c.polygon({{8, 1.3}, {13.8, 3.4}, {13.2, 9.0}, {8, 14.7}, {2.8, 9.0}, {2.2, 3.4}}, fill, edge);
    c.polygon({{8, 2.9}, {8, 12.6}, {4.2, 8.5}, {3.8, 4.4}}, light, light);
}

void powerSymbol(Canvas& c) {
    const COLORREF red = c.tone(200, 30, 30);
    c.arc(8, 8.8, 5.2, 125, 55, red, 1.9);  // the long way round, open at the top
    c.line(8, 1.8, 8, 8.0, red, 1.9);
}

void circularArrow(Canvas& c) {
    const COLORREF green = c.tone(25, 135, 60);
    const double cx = 8, cy = 8.5, r = 5.2, end = 20;
    c.arc(cx, cy, r, 70, end, green, 1.8);
    // Arrow head at the end of the arc, pointing on round the circle.
    const double a = Canvas::rad(end);
    const double px = cx + r * std::cos(a), py = cy - r * std::sin(a);
    const double tx = -std::sin(a), ty = -std::cos(a);  // direction of travel (screen coordinates)
    const double nx = std::cos(a), ny = -std::sin(a);   // outward
    const double h = 3.2;
    c.polygon({{px + tx * h, py + ty * h},
               {px + nx * h * 0.75, py + ny * h * 0.75},
               {px - nx * h * 0.75, py - ny * h * 0.75}},
              green, green);
}

void doorOut(Canvas& c) {
    const COLORREF wood = c.tone(205, 150, 90), frame = c.tone(120, 70, 30), blue = c.tone(30, 85, 175);
    c.rect(2.2, 1.8, 9.4, 14.4, wood, frame);
    c.ellipse(7.2, 7.6, 8.4, 8.8, frame, frame);  // knob
    c.polygon({{6.5, 7.0}, {10.8, 7.0}, {10.8, 4.6}, {14.6, 8.0}, {10.8, 11.4}, {10.8, 9.0}, {6.5, 9.0}}, blue, blue);
}

void infoCircle(Canvas& c) {
    const COLORREF blue = c.tone(30, 100, 200), edge = c.tone(20, 60, 140), white = RGB(255, 255, 255);
    c.ellipse(1.4, 1.4, 14.6, 14.6, blue, edge);
    c.ellipse(7.0, 3.4, 9.0, 5.4, white, white);
    c.rect(7.0, 6.8, 9.0, 12.6, white, white);
}

void cross(Canvas& c, COLORREF color, double inset, double thickness) {
    c.line(inset, inset, 16 - inset, 16 - inset, color, thickness);
    c.line(16 - inset, inset, inset, 16 - inset, color, thickness);
}

void arrow(Canvas& c, bool down) {
    const COLORREF navy = c.tone(0, 0, 128);
    if (down)
        c.polygon({{6.5, 1.5}, {9.5, 1.5}, {9.5, 8}, {13.5, 8}, {8, 14.5}, {2.5, 8}, {6.5, 8}}, navy, navy);
    else
        c.polygon({{6.5, 14.5}, {9.5, 14.5}, {9.5, 8}, {13.5, 8}, {8, 1.5}, {2.5, 8}, {6.5, 8}}, navy, navy);
}

}  // namespace

void drawPicture(HDC dc, const RECT& area, forms::Picture picture, bool enabled) {
    Canvas c(dc, area, enabled);
    if (c.empty()) return;
    const SavedDC saved(dc);  // the arc direction
    switch (picture) {
        case forms::Picture::None: break;
        case forms::Picture::CleanJunk: trashCan(c); break;
        case forms::Picture::ScreenGuard: shield(c); break;
        case forms::Picture::Shutdown: powerSymbol(c); break;
        case forms::Picture::Restart: circularArrow(c); break;
        case forms::Picture::LogOff: doorOut(c); break;
        case forms::Picture::About: infoCircle(c); break;
        case forms::Picture::CloseWidget: cross(c, c.tone(190, 30, 30), 3.5, 2.2); break;
        case forms::Picture::ArrowDown: arrow(c, true); break;
        case forms::Picture::ArrowUp: arrow(c, false); break;
        case forms::Picture::GreenCheck:
            c.polyline({{2.8, 8.6}, {6.4, 12.2}, {13.2, 3.8}}, c.tone(0, 150, 0), 2.2);
            break;
        case forms::Picture::RedCross: cross(c, c.tone(200, 0, 0), 4.0, 2.0); break;
        case forms::Picture::NotSelected: c.line(4, 8, 12, 8, RGB(128, 128, 128), 2.0); break;
    }
}

}  // namespace win32

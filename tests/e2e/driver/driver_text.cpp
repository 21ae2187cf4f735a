// text-fit: measures a label's text in a given font at the screen's dpi against the label's
// own size, so a scenario can tell that no character of it is cut off.
#include <cmath>
#include <string>

#include "driver.h"

namespace driver {

int cmd_text_fit(const Args& a) {
    HWND label = resolve(a[0], &a[1]);
    if (!label) return 1;
    const double points = _wtof(a[3].c_str());
    if (!(points > 0)) {
        err("text-fit needs a point size above 0");
        return 1;
    }
    // A label with a display rule keeps what it draws as its window title (read here
    // without a message); WM_GETTEXT gives its caption, which is what it draws otherwise.
    wchar_t title[256] = L"";
    GetWindowTextW(label, title, 256);
    const std::wstring text = title[0] != L'\0' ? std::wstring(title) : window_text(label);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    // Made as the program makes its fonts: the point size at the screen's dpi, rounded.
    HFONT font = CreateFontW(-static_cast<int>(std::lround(points * dpi / 72.0)), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, a[2].c_str());
    HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW tm{};
    GetTextMetricsW(screen, &tm);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    RECT r{};
    GetClientRect(label, &r);
    const bool fits = size.cx <= r.right - r.left && tm.tmHeight <= r.bottom - r.top;
    out("text=" + utf8(text) + " text_px=" + std::to_string(size.cx) + "x" + std::to_string(tm.tmHeight) +
        " label_px=" + std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) +
        " dpi=" + std::to_string(dpi) + " fits=" + (fits ? "1" : "0"));
    return 0;
}

}  // namespace driver

#pragma once
// Fonts, brushes and pens shared by every window of the program. Each distinct one is
// made once and kept until the backend goes: the traffic labels and the junk frame change
// many times a second over a long run, and nothing they draw with may be made per change.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "forms/types.h"

namespace win32 {

// 0x00BBGGRR as it is, or the current system colour for values with the top bit set.
COLORREF toColorRef(forms::Color color);

class GdiCache {
public:
    explicit GdiCache(int dpi);
    // Fonts made from now on are sized for this DPI; those made before stay valid.
    void setDpi(int dpi) { dpi_ = dpi > 0 ? dpi : 96; }
    ~GdiCache();
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;

    // Never null: falls back to the stock GUI font when the font cannot be made.
    HFONT font(const forms::Font& font);
    // System colours give the system's own brush, which is never deleted.
    HBRUSH brush(forms::Color color);
    // Solid pen drawn inside the figure's outline.
    HPEN pen(forms::Color color, int width);

private:
    int dpi_;
    std::map<std::tuple<std::string, long long, bool, bool, int>, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    std::map<std::pair<COLORREF, int>, HPEN> pens_;
};

}  // namespace win32

#include "win32/gdi_cache.h"

#include <cmath>

#include "win32/text.h"

namespace win32 {

COLORREF toColorRef(forms::Color color) {
    if (forms::isSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0x00FFFFFF);
}

GdiCache::GdiCache(int dpi) : dpi_(dpi > 0 ? dpi : 96) {}

GdiCache::~GdiCache() {
    for (auto& [key, f] : fonts_) DeleteObject(f);
    for (auto& [key, b] : brushes_) DeleteObject(b);
    for (auto& [key, p] : pens_) DeleteObject(p);
}

HFONT GdiCache::font(const forms::Font& font) {
    // Sizes are points with two decimals at most (8.25); keyed in hundredths, per DPI, since
    // windows still using a font of the old DPI must find it alive.
    const auto key = std::make_tuple(font.name, std::llround(font.size * 100), font.bold, font.underline, dpi_);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.size * dpi_ / 72.0));
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = widen(font.name);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    HFONT made = CreateFontIndirectW(&lf);
    if (made == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace(key, made);
    return made;
}

HBRUSH GdiCache::brush(forms::Color color) {
    if (forms::isSystemColor(color)) {
        if (HBRUSH sys = GetSysColorBrush(static_cast<int>(color & 0xFF))) return sys;
    }
    const COLORREF ref = toColorRef(color);
    if (auto it = brushes_.find(ref); it != brushes_.end()) return it->second;
    HBRUSH made = CreateSolidBrush(ref);
    if (made == nullptr) return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    brushes_.emplace(ref, made);
    return made;
}

HPEN GdiCache::pen(forms::Color color, int width) {
    const auto key = std::make_pair(toColorRef(color), width < 1 ? 1 : width);
    if (auto it = pens_.find(key); it != pens_.end()) return it->second;
    HPEN made = CreatePen(PS_INSIDEFRAME, key.second, key.first);
    if (made == nullptr) return static_cast<HPEN>(GetStockObject(BLACK_PEN));
    pens_.emplace(key, made);
    return made;
}

}  // namespace win32

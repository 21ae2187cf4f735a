#pragma once
// Which DPI the program draws at. With per-monitor awareness the screen DC answers the
// system DPI (the primary monitor's at logon), not that of the monitor a window is on;
// newer systems answer the real one for a window (Windows 10 1607) or for a monitor
// (Windows 8.1). Either lookup may be missing on an older system or fail, so the answers
// are taken in that order, and 96 (100 %) when none is usable. Kept apart from the Win32
// calls so that the choice is tested without a screen.
namespace forms {

inline constexpr int kDefaultDpi = 96;

// A lookup that is missing or failed answers 0.
constexpr int chooseDpi(unsigned windowDpi, unsigned monitorDpi, int systemDpi) {
    if (windowDpi > 0) return static_cast<int>(windowDpi);
    if (monitorDpi > 0) return static_cast<int>(monitorDpi);
    return systemDpi > 0 ? systemDpi : kDefaultDpi;
}

}  // namespace forms

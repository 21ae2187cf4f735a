#pragma once
// Window-level operations the program performs on its own windows by handle.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/types.h"

namespace platform {

constexpr std::uint32_t kWsExLayered = 0x80000;
constexpr std::uint32_t kWsExTopmost = 0x8;
constexpr unsigned kLwaAlpha = 2;

namespace swp {
constexpr unsigned kNoSize = 0x1;
constexpr unsigned kNoMove = 0x2;
constexpr unsigned kNoZOrder = 0x4;
constexpr unsigned kNoActivate = 0x10;
constexpr unsigned kFrameChanged = 0x20;
}  // namespace swp

enum class InsertAfter { None, Top, TopMost };

// A window region: the outer rectangle minus the inner one, plus each added rectangle
// (CreateRectRgn / CombineRgn with RGN_DIFF, then RGN_OR), in window coordinates.
struct RegionPlan {
    PixelRect outer;
    PixelRect inner;
    std::vector<PixelRect> added;
};

class WindowManager {
public:
    virtual ~WindowManager() = default;
    // GetWindowLong / SetWindowLong (GWL_STYLE, GWL_EXSTYLE). The setters return the
    // previous value, 0 on failure.
    [[nodiscard]] virtual std::optional<std::uint32_t> style(WindowHandle w) = 0;
    [[nodiscard]] virtual std::uint32_t setStyle(WindowHandle w, std::uint32_t style) = 0;
    [[nodiscard]] virtual std::optional<std::uint32_t> exStyle(WindowHandle w) = 0;
    [[nodiscard]] virtual std::uint32_t setExStyle(WindowHandle w, std::uint32_t exStyle) = 0;
    // SetWindowPos with position and size 0.
    [[nodiscard]] virtual bool setWindowPos(WindowHandle w, InsertAfter after, unsigned flags) = 0;
    [[nodiscard]] virtual bool setLayeredAttributes(WindowHandle w, std::uint32_t colorKey, std::uint8_t alpha,
                                                    unsigned flags) = 0;
    // Builds the region of the plan and gives it to the window (redraw true); the working
    // regions are released. A piece the system refuses is left out and the rest still goes
    // in; when nothing can be made the window keeps the region it had. True only when the
    // whole plan went in.
    [[nodiscard]] virtual bool setWindowRegion(WindowHandle w, const RegionPlan& plan) = 0;
    [[nodiscard]] virtual WindowHandle desktopWindow() = 0;
    // The application's active window, 0 when none of its windows is active.
    [[nodiscard]] virtual WindowHandle activeWindow() = 0;
};

}  // namespace platform

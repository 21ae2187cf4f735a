#pragma once
// Styles, z-order, translucency and regions of the program's own windows.
#include "platform/window_manager.h"

namespace platform::win32 {

class WindowManagerWin32 final : public WindowManager {
public:
    [[nodiscard]] std::optional<std::uint32_t> style(WindowHandle w) override;
    [[nodiscard]] std::uint32_t setStyle(WindowHandle w, std::uint32_t style) override;
    [[nodiscard]] std::optional<std::uint32_t> exStyle(WindowHandle w) override;
    [[nodiscard]] std::uint32_t setExStyle(WindowHandle w, std::uint32_t exStyle) override;
    [[nodiscard]] bool setWindowPos(WindowHandle w, InsertAfter after, unsigned flags) override;
    [[nodiscard]] bool setLayeredAttributes(WindowHandle w, std::uint32_t colorKey, std::uint8_t alpha,
                                            unsigned flags) override;
    [[nodiscard]] bool setWindowRegion(WindowHandle w, const RegionPlan& plan) override;
    [[nodiscard]] WindowHandle desktopWindow() override;
    [[nodiscard]] WindowHandle activeWindow() override;
};

}  // namespace platform::win32

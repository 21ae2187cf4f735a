#pragma once
// Styles, z-order, translucency and regions of the program's own windows.
#include "platform/window_manager.h"

namespace platform::win32 {

class WindowManagerWin32 final : public WindowManager {
public:
    [[nodiscard]] std::optional<std::uint32_t> style(forms::WindowHandle w) override;
    [[nodiscard]] std::uint32_t setStyle(forms::WindowHandle w, std::uint32_t style) override;
    [[nodiscard]] std::optional<std::uint32_t> exStyle(forms::WindowHandle w) override;
    [[nodiscard]] std::uint32_t setExStyle(forms::WindowHandle w, std::uint32_t exStyle) override;
    [[nodiscard]] bool setWindowPos(forms::WindowHandle w, InsertAfter after, unsigned flags) override;
    [[nodiscard]] bool setLayeredAttributes(forms::WindowHandle w, std::uint32_t colorKey, std::uint8_t alpha,
                                            unsigned flags) override;
    [[nodiscard]] bool setWindowRegion(forms::WindowHandle w, const RegionPlan& plan) override;
    [[nodiscard]] forms::WindowHandle desktopWindow() override;
    [[nodiscard]] forms::WindowHandle activeWindow() override;
};

}  // namespace platform::win32

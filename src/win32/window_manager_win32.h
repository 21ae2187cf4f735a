#pragma once
// Styles, z-order, translucency and regions of the program's own windows.
#include "platform/window_manager.h"

namespace win32 {

class WindowManagerWin32 final : public platform::WindowManager {
public:
    [[nodiscard]] std::optional<std::uint32_t> style(platform::WindowHandle w) override;
    [[nodiscard]] std::uint32_t setStyle(platform::WindowHandle w, std::uint32_t style) override;
    [[nodiscard]] std::optional<std::uint32_t> exStyle(platform::WindowHandle w) override;
    [[nodiscard]] std::uint32_t setExStyle(platform::WindowHandle w, std::uint32_t exStyle) override;
    [[nodiscard]] bool setWindowPos(platform::WindowHandle w, platform::InsertAfter after, unsigned flags) override;
    [[nodiscard]] bool setLayeredAttributes(platform::WindowHandle w, std::uint32_t colorKey, std::uint8_t alpha,
                                            unsigned flags) override;
    [[nodiscard]] bool setWindowRegion(platform::WindowHandle w, const platform::RegionPlan& plan) override;
    [[nodiscard]] platform::WindowHandle desktopWindow() override;
    [[nodiscard]] platform::WindowHandle activeWindow() override;
};

}  // namespace win32

#pragma once
// Windows by handle, as a table of styles, positions, layered attributes and regions.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/window_manager.h"

namespace fakes {

struct LayeredCall {
    platform::WindowHandle window;
    std::uint32_t colorKey;
    std::uint8_t alpha;
    unsigned flags;
};

struct FakeWindowState {
    std::uint32_t style = 0x16CF0000;  // an ordinary overlapped, visible window
    std::uint32_t exStyle = 0;
    bool topmost = false;
    bool layered = false;
    std::uint8_t alpha = 255;
    std::optional<platform::RegionPlan> region;
    int framesChanged = 0;
    int regionsSet = 0;
};

class FakeWindowManager : public platform::WindowManager {
public:
    std::map<platform::WindowHandle, FakeWindowState> windows;
    // Handles whose calls fail, per operation.
    std::set<platform::WindowHandle> failStyle, failExStyle, failPos, failLayered, failRegion;
    platform::WindowHandle active = 0;
    platform::WindowHandle desktop = 0x10;
    std::vector<std::pair<platform::WindowHandle, unsigned>> posCalls;
    std::vector<platform::InsertAfter> posInsertAfter;  // the z-order asked by each posCall
    std::vector<LayeredCall> layeredCalls;

    std::optional<std::uint32_t> style(platform::WindowHandle w) override {
        if (failStyle.count(w)) return std::nullopt;
        return windows[w].style;
    }
    std::uint32_t setStyle(platform::WindowHandle w, std::uint32_t s) override {
        if (failStyle.count(w)) return 0;
        const std::uint32_t previous = windows[w].style;
        windows[w].style = s;
        return previous;
    }
    std::optional<std::uint32_t> exStyle(platform::WindowHandle w) override {
        if (failExStyle.count(w)) return std::nullopt;
        return windows[w].exStyle;
    }
    std::uint32_t setExStyle(platform::WindowHandle w, std::uint32_t s) override {
        if (failExStyle.count(w)) return 0;
        const std::uint32_t previous = windows[w].exStyle;
        windows[w].exStyle = s;
        windows[w].layered = (s & platform::kWsExLayered) != 0;
        return previous == 0 ? 1 : previous;  // the real call's 0 also means "was 0"
    }
    bool setWindowPos(platform::WindowHandle w, platform::InsertAfter after, unsigned flags) override {
        posCalls.emplace_back(w, flags);
        posInsertAfter.push_back(after);
        if (failPos.count(w)) return false;
        auto& win = windows[w];
        if (after == platform::InsertAfter::TopMost) {
            win.topmost = true;
            win.exStyle |= platform::kWsExTopmost;
        }
        if (flags & platform::swp::kFrameChanged) ++win.framesChanged;
        return true;
    }
    bool setLayeredAttributes(platform::WindowHandle w, std::uint32_t colorKey, std::uint8_t alpha,
                              unsigned flags) override {
        layeredCalls.push_back({w, colorKey, alpha, flags});
        if (failLayered.count(w) || !windows[w].layered) return false;
        if (flags & platform::kLwaAlpha) windows[w].alpha = alpha;
        return true;
    }
    bool setWindowRegion(platform::WindowHandle w, const platform::RegionPlan& plan) override {
        if (failRegion.count(w)) return false;
        windows[w].region = plan;
        ++windows[w].regionsSet;
        return true;
    }
    platform::WindowHandle desktopWindow() override { return desktop; }
    platform::WindowHandle activeWindow() override { return active; }
};

}  // namespace fakes

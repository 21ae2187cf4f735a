#include "win32/window_manager_win32.h"

#include <windows.h>

#include "platform/region_assembly.h"
#include "win32/handles_win32.h"

namespace win32 {

namespace {

HWND toHwnd(platform::WindowHandle w) { return reinterpret_cast<HWND>(w); }
platform::WindowHandle fromHwnd(HWND h) { return reinterpret_cast<platform::WindowHandle>(h); }

std::optional<std::uint32_t> windowLong(platform::WindowHandle w, int index) {
    // 0 is a legal style, so failure is told apart by the last error.
    ::SetLastError(ERROR_SUCCESS);
    const LONG_PTR value = ::GetWindowLongPtrW(toHwnd(w), index);
    if (value == 0 && ::GetLastError() != ERROR_SUCCESS) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::uint32_t setWindowLong(platform::WindowHandle w, int index, std::uint32_t value) {
    return static_cast<std::uint32_t>(::SetWindowLongPtrW(toHwnd(w), index, static_cast<LONG_PTR>(value)));
}

Region rectRegion(const platform::PixelRect& r) { return Region(::CreateRectRgn(r.left, r.top, r.right, r.bottom)); }

}  // namespace

std::optional<std::uint32_t> WindowManagerWin32::style(platform::WindowHandle w) { return windowLong(w, GWL_STYLE); }

std::uint32_t WindowManagerWin32::setStyle(platform::WindowHandle w, std::uint32_t style) {
    return setWindowLong(w, GWL_STYLE, style);
}

std::optional<std::uint32_t> WindowManagerWin32::exStyle(platform::WindowHandle w) {
    return windowLong(w, GWL_EXSTYLE);
}

std::uint32_t WindowManagerWin32::setExStyle(platform::WindowHandle w, std::uint32_t exStyle) {
    return setWindowLong(w, GWL_EXSTYLE, exStyle);
}

bool WindowManagerWin32::setWindowPos(platform::WindowHandle w, platform::InsertAfter after, unsigned flags) {
    HWND insertAfter = nullptr;
    switch (after) {
        case platform::InsertAfter::TopMost: insertAfter = HWND_TOPMOST; break;
        case platform::InsertAfter::Top: insertAfter = HWND_TOP; break;
        case platform::InsertAfter::None: insertAfter = nullptr; break;
    }
    return ::SetWindowPos(toHwnd(w), insertAfter, 0, 0, 0, 0, flags) != FALSE;
}

bool WindowManagerWin32::setLayeredAttributes(platform::WindowHandle w, std::uint32_t colorKey, std::uint8_t alpha,
                                              unsigned flags) {
    return ::SetLayeredWindowAttributes(toHwnd(w), static_cast<COLORREF>(colorKey), alpha, flags) != FALSE;
}

namespace {

// The GDI side of assembleRegion.
struct GdiRegionOps {
    std::optional<Region> rect(const platform::PixelRect& r) {
        Region made = rectRegion(r);
        if (!made) return std::nullopt;
        return made;
    }
    bool difference(Region& into, const Region& a, const Region& b) {
        return ::CombineRgn(into.get(), a.get(), b.get(), RGN_DIFF) != ERROR;
    }
    bool add(Region& into, const Region& piece) {
        return ::CombineRgn(into.get(), into.get(), piece.get(), RGN_OR) != ERROR;
    }
};

}  // namespace

bool WindowManagerWin32::setWindowRegion(platform::WindowHandle w, const platform::RegionPlan& plan) {
    GdiRegionOps ops;
    platform::RegionAssembly report;
    std::optional<Region> combined = platform::assembleRegion(plan, ops, report);
    // Nothing could be made: the window keeps the region it has rather than none at all.
    if (!combined) return false;
    if (::SetWindowRgn(toHwnd(w), combined->get(), TRUE) == 0) return false;  // still ours: freed here
    (void)combined->release();                                                // the window owns the region from now on
    return report.rectanglesSkipped == 0 && report.framePart;
}

platform::WindowHandle WindowManagerWin32::desktopWindow() { return fromHwnd(::GetDesktopWindow()); }

platform::WindowHandle WindowManagerWin32::activeWindow() {
    // GetActiveWindow answers for this thread's queue only, which is where all of the
    // program's windows live; NULL when another application is in front.
    return fromHwnd(::GetActiveWindow());
}

}  // namespace win32

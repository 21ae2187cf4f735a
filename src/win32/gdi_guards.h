#pragma once
// Scoped DCs and GDI state. Every DC the program gets is released and every object it
// selects is put back on every way out of a paint, an early return or an exception caught
// by the window procedure included: a DC left holding our font or pen keeps that object
// alive and, for a window DC, leaks one of the few the system has.
#include <windows.h>

namespace win32 {

// GetDC / ReleaseDC. A null window is the whole screen.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// SelectObject now, the previous object back at the end of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC / RestoreDC: clipping, arc direction and whatever else a paint changes.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDC() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

// The viewport origin moved for the scope (drawing another window's surface in place).
class ShiftedViewport {
public:
    ShiftedViewport(HDC dc, int x, int y) : dc_(dc) { moved_ = SetViewportOrgEx(dc, x, y, &previous_) != FALSE; }
    ~ShiftedViewport() {
        if (moved_) SetViewportOrgEx(dc_, previous_.x, previous_.y, nullptr);
    }
    ShiftedViewport(const ShiftedViewport&) = delete;
    ShiftedViewport& operator=(const ShiftedViewport&) = delete;

private:
    HDC dc_;
    POINT previous_{};
    bool moved_ = false;
};

}  // namespace win32

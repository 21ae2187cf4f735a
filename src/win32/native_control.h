#pragma once
// The native side of one control. One class per kind of control derives from this (one
// file each), made by makeNativeControl from the model control; the form window holds
// them in the form's order of adding. The model in forms::Control stays the one source of
// truth: a native control only mirrors it, and reports the user's input back to it.
#include <windows.h>

#include <memory>
#include <string>

#include "forms/control.h"
#include "win32/owned_window.h"

namespace win32 {

struct FormWindow;
class Win32Backend;

class NativeControl {
public:
    NativeControl(forms::Control& control, FormWindow& owner) : control_(control), owner_(owner) {}
    virtual ~NativeControl() = default;
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    forms::Control& control() const { return control_; }
    HWND hwnd() const { return window_.get(); }

    // Makes the child window in place (for every kind that has one) and brings it up to
    // date with the model. Nothing when it exists already.
    void createWindow();
    // The window goes (the form is being destroyed); the model forgets the handle.
    void destroyWindow();
    // Shapes have no window: they are part of the form's surface (paintOnForm).
    virtual bool drawnOnForm() const { return false; }
    virtual void paintOnForm(HDC dc) { (void)dc; }

    // The model changed `what`: push that to the window.
    virtual void changed(forms::Property what);
    // Moves, sizes, shows or hides the window as the model says.
    virtual void place();
    // Frames draw only their outline; whatever they contain must sit above them in the
    // z-order, or the frame's interior covers it.
    void raiseAboveContainer();

    // Notifications the form window passes on to the control they are about.
    virtual void command(UINT /*code*/) {}                                   // WM_COMMAND
    virtual bool drawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }  // WM_DRAWITEM
    virtual bool handCursor() const { return false; }                        // WM_SETCURSOR
    LRESULT colors(HDC dc);                                                  // WM_CTLCOLOR*

    // The messages of a window of one of our own classes (windowProcedure<NativeControl>).
    LRESULT handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    struct WindowClass {
        const wchar_t* name = nullptr;  // nullptr: no window
        DWORD style = 0;
        DWORD exStyle = 0;
    };
    static constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS;

    virtual WindowClass windowClass() const = 0;
    virtual LRESULT onMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // What the window shows of the model, each pushed when its property changes;
    // syncContent is the kind's own state (value, items, selection) after creation.
    virtual void syncText();
    virtual void syncContent() {}
    virtual void syncValue() {}
    virtual void syncItems() {}
    virtual void syncSelection() {}
    virtual void pictureChanged();
    // The window text of a control whose own text is its caption (buttons, frames).
    virtual std::wstring captionText() const { return {}; }
    // Controls with no caption that act on a click carry their tool tip as their window
    // text, which is the name screen readers announce.
    virtual bool tipIsName() const { return false; }

    void syncFont();
    void syncToolTip();
    HFONT font() const;
    FormWindow& owner() const { return owner_; }
    Win32Backend& backend() const;
    // Repaints a control that is on screen. Hidden windows (the network window's monitor)
    // change every tick; they paint from the model whenever they are shown, so
    // invalidating them only costs a round trip to the window server.
    void invalidateIfShown(BOOL erase) const;

    std::wstring text_;  // the window text as last set

private:
    forms::Control& control_;
    FormWindow& owner_;
    OwnedWindow window_;
    bool hasTool_ = false;
};

// The native control for a model control (every kind but the timer, which the backend
// keeps itself).
std::unique_ptr<NativeControl> makeNativeControl(forms::Control& control, FormWindow& owner);

}  // namespace win32

#pragma once
// Controls the program draws itself, in window classes of its own (labels, picture boxes,
// images, frames, charts and bars): painting, and a click or double click turned into the
// model's events, are common to all of them.
#include <windows.h>

#include "win32/native_control.h"

namespace win32 {

class DrawnControl : public NativeControl {
public:
    using NativeControl::NativeControl;

protected:
    LRESULT onMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    virtual void paint(HDC dc) = 0;
    // What shows through is the form's own surface (its back colour and shape outlines),
    // drawn here shifted to this control's place.
    void paintTransparentBack(HDC dc);
    // Focus rectangles only once the keyboard has been used on the form.
    bool keyboardCues() const;

private:
    bool mouseDown_ = false;
};

}  // namespace win32

// Picture boxes and images show one of the program's pictures. A picture box has a back
// colour of its own and may be reached with Tab and pressed with Space; an image shows the
// form through it and takes clicks only.
#include <windows.h>

#include "win32/control_kinds.h"
#include "win32/drawn_control.h"
#include "win32/gdi_cache.h"
#include "win32/glyphs.h"
#include "win32/win32_backend.h"

namespace win32 {
namespace {

class PictureSurface : public DrawnControl {
public:
    using DrawnControl::DrawnControl;

protected:
    bool tipIsName() const override { return true; }
    virtual forms::Picture picture() const = 0;
    virtual void paintBack(HDC dc, const RECT& r) = 0;

    void paint(HDC dc) override {
        RECT r;
        GetClientRect(hwnd(), &r);
        paintBack(dc, r);
        drawPicture(dc, r, picture(), control().enabled());
        if (GetFocus() == hwnd() && keyboardCues()) {
            // Drawn in the inverse of the box's colour, so it shows on any back colour.
            RECT focus = r;
            if (focus.right - focus.left > 6 && focus.bottom - focus.top > 6) InflateRect(&focus, -1, -1);
            DrawFocusRect(dc, &focus);
        }
    }
};

class PictureBoxWindow final : public PictureSurface {
public:
    PictureBoxWindow(forms::PictureBox& box, FormWindow& owner) : PictureSurface(box, owner), box_(box) {}

private:
    WindowClass windowClass() const override {
        return {L"Sparvane.Picture", kChildStyle | (box_.tabStop() ? WS_TABSTOP : 0), 0};
    }
    forms::Picture picture() const override { return box_.picture(); }
    void paintBack(HDC dc, const RECT& r) override { FillRect(dc, &r, backend().gdi().brush(box_.backColor())); }

    LRESULT onMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        // Space presses a picture box reached with Tab, as it presses a button.
        if (msg == WM_KEYUP && wParam == VK_SPACE && GetFocus() == hwnd) {
            Win32Backend::InputScope scope(backend());
            box_.userClick();
            return 0;
        }
        return PictureSurface::onMessage(hwnd, msg, wParam, lParam);
    }

    forms::PictureBox& box_;
};

class ImageWindow final : public PictureSurface {
public:
    ImageWindow(forms::Image& image, FormWindow& owner) : PictureSurface(image, owner), image_(image) {}

private:
    WindowClass windowClass() const override { return {L"Sparvane.Picture", kChildStyle, 0}; }
    forms::Picture picture() const override { return image_.picture(); }
    void paintBack(HDC dc, const RECT&) override { paintTransparentBack(dc); }  // no background of its own

    forms::Image& image_;
};

}  // namespace

std::unique_ptr<NativeControl> makePictureBoxWindow(forms::PictureBox& box, FormWindow& owner) {
    return std::make_unique<PictureBoxWindow>(box, owner);
}

std::unique_ptr<NativeControl> makeImageWindow(forms::Image& image, FormWindow& owner) {
    return std::make_unique<ImageWindow>(image, owner);
}

}  // namespace win32

// Shapes have no window of their own: their outlines belong to the form's surface, which
// the form paints and which shows through labels, images and frames.
#include <windows.h>

#include <algorithm>

#include "forms/control_layout.h"
#include "win32/control_kinds.h"
#include "win32/gdi_cache.h"
#include "win32/gdi_guards.h"
#include "win32/win32_backend.h"

namespace win32 {
namespace {

class ShapeOutline final : public NativeControl {
public:
    ShapeOutline(forms::Shape& shape, FormWindow& owner) : NativeControl(shape, owner), shape_(shape) {}

    bool drawnOnForm() const override { return true; }

    void paintOnForm(HDC dc) override {
        if (!shownOnScreen(shape_)) return;
        Win32Backend& b = backend();
        const forms::PixelRect r = clientRectOf(shape_, b.twipsPerPixelX(), b.twipsPerPixelY());
        const SelectedObject pen(dc, b.gdi().pen(shape_.borderColor(), std::min(2, shape_.borderWidth())));
        const SelectedObject brush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }

    // The outline may have moved or changed colour: the whole client area is cheap to
    // repaint (the children clip themselves out of it).
    void place() override {
        if (HWND form = owner().window.get()) InvalidateRect(form, nullptr, FALSE);
    }

    void changed(forms::Property what) override {
        if (what == forms::Property::Colors)
            place();
        else
            NativeControl::changed(what);
    }

private:
    WindowClass windowClass() const override { return {}; }

    forms::Shape& shape_;
};

}  // namespace

std::unique_ptr<NativeControl> makeShapeOutline(forms::Shape& shape, FormWindow& owner) {
    return std::make_unique<ShapeOutline>(shape, owner);
}

}  // namespace win32

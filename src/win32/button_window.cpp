// Command buttons: the system's push button, or, when graphical, an owner-drawn one that
// shows the program's picture.
#include <windows.h>

#include "win32/control_kinds.h"
#include "win32/gdi_cache.h"
#include "win32/gdi_guards.h"
#include "win32/glyphs.h"
#include "win32/text.h"
#include "win32/win32_backend.h"

namespace win32 {
namespace {

class ButtonWindow final : public NativeControl {
public:
    ButtonWindow(forms::CommandButton& button, FormWindow& owner) : NativeControl(button, owner), button_(button) {}

    void command(UINT code) override {
        // Owner-drawn buttons report the second click of a double click as
        // BN_DOUBLECLICKED; it is a click all the same.
        if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
        Win32Backend::InputScope scope(backend());
        button_.userClick();
    }

    bool drawItem(const DRAWITEMSTRUCT& item) override {
        HDC dc = item.hDC;
        RECT r = item.rcItem;
        const bool pressed = (item.itemState & ODS_SELECTED) != 0;
        FillRect(dc, &r, backend().gdi().brush(button_.backColor()));
        DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        RECT inner = r;
        InflateRect(&inner, -3, -3);
        if (pressed) OffsetRect(&inner, 1, 1);
        const bool enabled = (item.itemState & ODS_DISABLED) == 0;
        if (button_.picture() != forms::Picture::None) {
            drawPicture(dc, inner, button_.picture(), enabled);
        } else if (!button_.caption().empty()) {
            const std::wstring text = widen(button_.caption());
            const SelectedObject selected(dc, font());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, enabled ? toColorRef(button_.foreColor()) : GetSysColor(COLOR_GRAYTEXT));
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        // Tracked by the form itself as well: not every system passes ODS_NOFOCUSRECT.
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT) && owner().keyboardCues) {
            RECT focus = r;
            InflateRect(&focus, -3, -3);
            DrawFocusRect(dc, &focus);
        }
        return true;
    }

    bool handCursor() const override { return button_.handCursor(); }

private:
    DWORD buttonStyle() const { return button_.graphical() ? BS_OWNERDRAW : BS_PUSHBUTTON; }

    WindowClass windowClass() const override { return {L"BUTTON", kChildStyle | WS_TABSTOP | buttonStyle(), 0}; }
    std::wstring captionText() const override { return widen(button_.caption()); }
    bool tipIsName() const override { return button_.graphical() && button_.caption().empty(); }

    void pictureChanged() override {
        if (HWND h = hwnd()) {
            // Graphical and standard buttons are different button styles.
            LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE) & ~static_cast<LONG_PTR>(BS_TYPEMASK);
            style |= buttonStyle();
            SetWindowLongPtrW(h, GWL_STYLE, style);
            syncText();
        }
        NativeControl::pictureChanged();
    }

    forms::CommandButton& button_;
};

}  // namespace

std::unique_ptr<NativeControl> makeButtonWindow(forms::CommandButton& button, FormWindow& owner) {
    return std::make_unique<ButtonWindow>(button, owner);
}

}  // namespace win32

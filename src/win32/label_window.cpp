// Labels are the program's own windows: the widget's figures change every traffic tick,
// and answering WM_GETTEXT from here costs no call into the window server.
#include <windows.h>

#include <algorithm>

#include "win32/control_kinds.h"
#include "win32/drawn_control.h"
#include "win32/gdi_cache.h"
#include "win32/gdi_guards.h"
#include "win32/text.h"
#include "win32/win32_backend.h"

namespace win32 {
namespace {

UINT alignmentFlags(forms::Alignment a) {
    switch (a) {
        case forms::Alignment::Right: return DT_RIGHT;
        case forms::Alignment::Center: return DT_CENTER;
        case forms::Alignment::Left: break;
    }
    return DT_LEFT;
}

class LabelWindow final : public DrawnControl {
public:
    LabelWindow(forms::Label& label, FormWindow& owner) : DrawnControl(label, owner), label_(label) {}

    void changed(forms::Property what) override {
        DrawnControl::changed(what);
        if (what == forms::Property::Enabled && hwnd() != nullptr) InvalidateRect(hwnd(), nullptr, FALSE);
    }

private:
    WindowClass windowClass() const override { return {L"Sparvane.Label", kChildStyle, 0}; }

    // WM_GETTEXT gives the caption itself (a figure's full value, for screen readers and
    // the driver); the window draws its shown form. A label with a shown form also keeps
    // the shown form as its window title, which another process reads with GetWindowText
    // without a message, and which changes only when the rounded text does.
    void syncText() override {
        HWND h = hwnd();
        if (h == nullptr) return;
        std::wstring value = widen(label_.caption());
        std::wstring shown = label_.hasShownForm() ? widen(label_.shownText()) : value;
        if (text_ == value && shown_ == shown) return;
        if (label_.hasShownForm() && shown != shown_) SetWindowTextW(h, shown.c_str());
        text_ = std::move(value);
        shown_ = std::move(shown);
        invalidateIfShown(FALSE);
    }

    LRESULT onMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case WM_GETTEXTLENGTH: return static_cast<LRESULT>(text_.size());
            case WM_GETTEXT: {
                // Screen readers and the e2e driver read a label's caption this way.
                auto* out = reinterpret_cast<wchar_t*>(lParam);
                if (out == nullptr || wParam == 0) return 0;
                const std::size_t n = std::min<std::size_t>(text_.size(), static_cast<std::size_t>(wParam) - 1);
                std::copy_n(text_.data(), n, out);
                out[n] = L'\0';
                return static_cast<LRESULT>(n);
            }
            default: return DrawnControl::onMessage(hwnd, msg, wParam, lParam);
        }
    }

    void paint(HDC dc) override {
        RECT r;
        GetClientRect(hwnd(), &r);
        if (label_.transparent())
            paintTransparentBack(dc);
        else
            FillRect(dc, &r, backend().gdi().brush(label_.backColor()));
        const SelectedObject selected(dc, font());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, label_.enabled() ? toColorRef(label_.foreColor()) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, shown_.c_str(), static_cast<int>(shown_.size()), &r,
                  alignmentFlags(label_.alignment()) | DT_WORDBREAK);
    }

    forms::Label& label_;
    std::wstring shown_;  // what the window draws (its display rule's form); text_ is the caption
};

}  // namespace

std::unique_ptr<NativeControl> makeLabelWindow(forms::Label& label, FormWindow& owner) {
    return std::make_unique<LabelWindow>(label, owner);
}

}  // namespace win32

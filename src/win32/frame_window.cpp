// A frame is an etched outline with its caption set into the top edge. It paints its whole
// rectangle (the form's surface shows inside), unlike the system group box, which leaves
// its inside unpainted and so shows whatever was on screen before.
#include <windows.h>

#include "forms/form.h"
#include "win32/control_kinds.h"
#include "win32/drawn_control.h"
#include "win32/gdi_cache.h"
#include "win32/gdi_guards.h"
#include "win32/text.h"

namespace win32 {
namespace {

class FrameWindow final : public DrawnControl {
public:
    FrameWindow(forms::Frame& frame, FormWindow& owner) : DrawnControl(frame, owner), frame_(frame) {}

private:
    WindowClass windowClass() const override { return {L"Sparvane.Frame", kChildStyle, 0}; }
    std::wstring captionText() const override { return widen(frame_.caption()); }

    void paint(HDC dc) override {
        RECT r;
        GetClientRect(hwnd(), &r);
        paintTransparentBack(dc);
        const SelectedObject selected(dc, font());
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        RECT box = r;
        box.top += tm.tmHeight / 2;
        DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
        if (text_.empty()) return;
        RECT text{r.left + 8, r.top, r.right - 8, r.top + tm.tmHeight};
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, toColorRef(frame_.form().backColor()));
        SetTextColor(dc, frame_.enabled() ? toColorRef(frame_.foreColor()) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &text, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
    }

    forms::Frame& frame_;
};

}  // namespace

std::unique_ptr<NativeControl> makeFrameWindow(forms::Frame& frame, FormWindow& owner) {
    return std::make_unique<FrameWindow>(frame, owner);
}

}  // namespace win32

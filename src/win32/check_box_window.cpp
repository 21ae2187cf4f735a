// Check boxes are the system's button in its plain check-box style: a click goes to the
// model, which sets the new state, and the box follows it.
#include <windows.h>

#include "win32/control_kinds.h"
#include "win32/text.h"
#include "win32/win32_backend.h"

namespace win32 {
namespace {

class CheckBoxWindow final : public NativeControl {
public:
    CheckBoxWindow(forms::CheckBox& box, FormWindow& owner) : NativeControl(box, owner), box_(box) {}

    void command(UINT code) override {
        if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
        Win32Backend::InputScope scope(backend());
        box_.userClick();
    }

private:
    WindowClass windowClass() const override { return {L"BUTTON", kChildStyle | WS_TABSTOP | BS_CHECKBOX, 0}; }
    std::wstring captionText() const override { return widen(box_.caption()); }
    void syncContent() override { syncValue(); }

    void syncValue() override {
        HWND h = hwnd();
        if (h == nullptr) return;
        const int v = box_.value();
        SendMessageW(h, BM_SETCHECK, v == 1 ? BST_CHECKED : v == 2 ? BST_INDETERMINATE : BST_UNCHECKED, 0);
    }

    forms::CheckBox& box_;
};

}  // namespace

std::unique_ptr<NativeControl> makeCheckBoxWindow(forms::CheckBox& box, FormWindow& owner) {
    return std::make_unique<CheckBoxWindow>(box, owner);
}

}  // namespace win32

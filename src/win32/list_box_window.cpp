// List boxes are the system's list; a selection made by the user goes back into the model.
#include <windows.h>

#include "win32/control_kinds.h"
#include "win32/text.h"
#include "win32/win32_backend.h"

namespace win32 {
namespace {

class ListBoxWindow final : public NativeControl {
public:
    ListBoxWindow(forms::ListBox& list, FormWindow& owner) : NativeControl(list, owner), list_(list) {}

    void command(UINT code) override {
        if (code != LBN_SELCHANGE) return;
        const auto index = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
        Win32Backend::InputScope scope(backend());
        list_.setListIndex(index == LB_ERR ? -1 : index);
    }

private:
    WindowClass windowClass() const override {
        return {L"LISTBOX", kChildStyle | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                WS_EX_CLIENTEDGE};
    }
    void syncContent() override { syncItems(); }

    void syncItems() override {
        HWND h = hwnd();
        if (h == nullptr) return;
        SendMessageW(h, WM_SETREDRAW, FALSE, 0);
        SendMessageW(h, LB_RESETCONTENT, 0, 0);
        for (const auto& item : list_.items()) {
            const std::wstring w = widen(item);
            SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
        }
        SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
        SendMessageW(h, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(h, nullptr, TRUE);
    }

    void syncSelection() override {
        if (HWND h = hwnd()) SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
    }

    forms::ListBox& list_;
};

}  // namespace

std::unique_ptr<NativeControl> makeListBoxWindow(forms::ListBox& list, FormWindow& owner) {
    return std::make_unique<ListBoxWindow>(list, owner);
}

}  // namespace win32

// Text boxes are the system's edit control; the user's typing goes back into the model.
#include <windows.h>

#include <algorithm>

#include "win32/control_kinds.h"
#include "win32/text.h"
#include "win32/win32_backend.h"

namespace win32 {
namespace {

// Multi-line edit controls break lines only at CR LF.
std::wstring editText(const std::string& utf8, bool multiLine) {
    std::wstring w = widen(utf8);
    if (!multiLine) return w;
    std::wstring out;
    out.reserve(w.size() + 8);
    for (size_t i = 0; i < w.size(); ++i) {
        if (w[i] == L'\n' && (i == 0 || w[i - 1] != L'\r')) out.push_back(L'\r');
        out.push_back(w[i]);
    }
    return out;
}

std::wstring windowText(HWND h) {
    const int length = GetWindowTextLengthW(h);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(h, text.data(), length + 1)));
    return text;
}

class TextBoxWindow final : public NativeControl {
public:
    TextBoxWindow(forms::TextBox& box, FormWindow& owner) : NativeControl(box, owner), box_(box) {}

    void command(UINT code) override {
        if (code != EN_CHANGE || settingText_) return;
        const std::wstring text = windowText(hwnd());
        Win32Backend::InputScope scope(backend());
        box_.userEdited(narrow(text));
    }

private:
    WindowClass windowClass() const override {
        DWORD s = kChildStyle | WS_TABSTOP | ES_LEFT;
        if (box_.multiLine())
            s |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (box_.verticalScrollBar() ? WS_VSCROLL : 0);
        else
            s |= ES_AUTOHSCROLL;
        if (box_.locked()) s |= ES_READONLY;
        return {L"EDIT", s, WS_EX_CLIENTEDGE};
    }

    void syncText() override {
        HWND h = hwnd();
        if (h == nullptr) return;
        const std::wstring text = editText(box_.text(), box_.multiLine());
        // The user's own typing comes back here through the model: the window already
        // shows it, and writing it again would put the caret back at the start.
        if (windowText(h) == text) return;
        settingText_ = true;  // not the user's typing: no echo back into the model
        SetWindowTextW(h, text.c_str());
        settingText_ = false;
    }

    void syncContent() override { syncSelection(); }

    void syncSelection() override {
        HWND h = hwnd();
        if (h == nullptr) return;
        // The model counts UTF-8 bytes of its own text; the edit control counts UTF-16
        // units of what it shows (CR LF line breaks included).
        const std::string& t = box_.text();
        const size_t start = std::min(box_.selStart(), t.size());
        const size_t end = std::min(start + box_.selLength(), t.size());
        const auto from = editText(t.substr(0, start), box_.multiLine()).size();
        const auto to = editText(t.substr(0, end), box_.multiLine()).size();
        SendMessageW(h, EM_SETSEL, static_cast<WPARAM>(from), static_cast<LPARAM>(to));
        SendMessageW(h, EM_SCROLLCARET, 0, 0);
    }

    forms::TextBox& box_;
    bool settingText_ = false;  // set while code writes the box, so the change is not echoed back
};

}  // namespace

std::unique_ptr<NativeControl> makeTextBoxWindow(forms::TextBox& box, FormWindow& owner) {
    return std::make_unique<TextBoxWindow>(box, owner);
}

}  // namespace win32

#include "win32/window_names.h"

#include "win32/text.h"

namespace win32 {

bool setWindowName(HWND window, std::string_view utf8Name) {
    if (window == nullptr || utf8Name.empty()) return false;
    clearWindowName(window);  // a renamed window must not keep the old atom alive
    const std::wstring name = widen(utf8Name);
    const ATOM atom = GlobalAddAtomW(name.c_str());
    if (atom == 0) return false;
    if (!SetPropW(window, kWindowNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)))) {
        GlobalDeleteAtom(atom);
        return false;
    }
    return true;
}

void clearWindowName(HWND window) {
    if (window == nullptr) return;
    HANDLE held = RemovePropW(window, kWindowNameProperty);
    const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(held));
    if (atom != 0) GlobalDeleteAtom(atom);
}

}  // namespace win32

// The two window-system steps a tray icon asks for: a window brought in front of other
// programs' windows, and a pop-up menu at the icon.
#include <memory>

#include "win32/text.h"
#include "win32/win32_backend.h"

namespace win32 {

namespace {

struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

OwnedMenu buildMenu(const std::vector<forms::MenuEntry>& entries) {
    OwnedMenu menu(CreatePopupMenu());
    if (!menu) return menu;
    for (const forms::MenuEntry& entry : entries) {
        if (entry.command == 0) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(entry.command), widen(entry.text).c_str());
        if (entry.isDefault) SetMenuDefaultItem(menu.get(), static_cast<UINT>(entry.command), FALSE);
    }
    return menu;
}

}  // namespace

void Win32Backend::bringToForeground(forms::Form& form) {
    FormWindow* fw = windowOf(form);
    if (!fw) return;
    DepthGuard depth(*this);
    HWND hwnd = fw->window.get();
    if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    // The shell lets the program whose icon was clicked take the foreground; the window
    // goes to the top of the z-order first so that it is in front even where the system
    // refuses the foreground (it then flashes the taskbar button instead).
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd);
}

int Win32Backend::popUpMenu(forms::Form& owner, const std::vector<forms::MenuEntry>& entries, int x, int y) {
    FormWindow* fw = windowOf(owner);
    if (!fw) return 0;
    OwnedMenu menu = buildMenu(entries);
    if (!menu) return 0;
    DepthGuard depth(*this);
    HWND hwnd = fw->window.get();
    // A menu whose owner is not the foreground window stays open when the user clicks
    // elsewhere; the owner may be hidden.
    SetForegroundWindow(hwnd);
    UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN;
    flags |= GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    // The menu runs its own message loop: timers and repaints go on meanwhile.
    const int chosen = static_cast<int>(TrackPopupMenuEx(menu.get(), flags, x, y, hwnd, nullptr));
    // Lets the owner see a message after the menu, without which the next menu of a
    // hidden owner may close at once.
    PostMessageW(hwnd, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace win32

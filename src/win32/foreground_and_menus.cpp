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

// The menu's owner while it is open: a one-pixel window of its own at the anchor point.
// The owner has to be the foreground window (else the menu stays open when the user clicks
// elsewhere) and to hold the keyboard (Wine drops keys meant for a hidden window, and the
// owner form is hidden); a window of its own does both without bringing any of the
// program's windows forward.
class MenuOwner {
public:
    MenuOwner(HINSTANCE instance, HWND form, int x, int y) {
        static const ATOM atom = [instance] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = instance;
            wc.lpszClassName = L"Sparvane.MenuOwner";
            return RegisterClassW(&wc);
        }();
        if (atom == 0) return;
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, MAKEINTATOM(atom), L"", WS_POPUP, x, y, 1, 1, form,
                                  nullptr, instance, nullptr);
        if (window_ == nullptr) return;
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
    }
    ~MenuOwner() {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

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
    const MenuOwner ownerWindow(instance(), fw->window.get(), x, y);
    HWND hwnd = ownerWindow.get() != nullptr ? ownerWindow.get() : fw->window.get();
    if (ownerWindow.get() == nullptr) SetForegroundWindow(hwnd);
    UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN;
    flags |= GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    // The menu runs its own message loop: timers and repaints go on meanwhile.
    const int chosen = static_cast<int>(TrackPopupMenuEx(menu.get(), flags, x, y, hwnd, nullptr));
    // Lets the owner see a message after the menu, without which the next menu of a
    // hidden owner may close at once.
    PostMessageW(fw->window.get(), WM_NULL, 0, 0);
    return chosen;
}

}  // namespace win32

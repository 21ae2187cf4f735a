#pragma once
// The one window procedure of every window class the program registers (forms and the
// controls it draws itself). It binds the window to its C++ object on WM_NCCREATE and is
// noexcept: whatever a handler throws is caught, written to the debugger output and the
// message is answered as the system would, so no exception ever unwinds through
// DispatchMessageW (or through the system's code that sent the message), which would end
// the process with nothing said.
#include <windows.h>

#include <exception>

namespace win32 {

// "Sparvane: <what> (message 0x....)" to the debugger output. Makes no allocation and
// throws nothing: it runs after a handler has already failed, perhaps for want of memory.
void reportHandlerFailure(UINT message, const char* what) noexcept;

// Target is the object behind the window: CreateWindowExW gets it as a Target* (exactly,
// not a pointer to a derived class) in its creation parameter, and it answers messages with
// LRESULT handleMessage(HWND, UINT, WPARAM, LPARAM). Until WM_NCCREATE, and after the owner
// clears the back-pointer before destroying the window, messages go to DefWindowProcW.
template <typename Target>
LRESULT CALLBACK windowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        if (msg == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            auto* target = static_cast<Target*>(create->lpCreateParams);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        }
        if (auto* target = reinterpret_cast<Target*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
            return target->handleMessage(hwnd, msg, wParam, lParam);
    } catch (const std::exception& e) {
        reportHandlerFailure(msg, e.what());
    } catch (...) {
        reportHandlerFailure(msg, nullptr);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace win32

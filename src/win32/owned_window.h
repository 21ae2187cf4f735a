#pragma once
// Owns one HWND. Before the window is destroyed its back-pointer (GWLP_USERDATA) is cleared,
// so that the messages sent during destruction find no C++ object to call into, and its
// name property is released.
#include <windows.h>

#include <utility>

#include "win32/window_names.h"

namespace win32 {

class OwnedWindow {
public:
    OwnedWindow() = default;
    explicit OwnedWindow(HWND window) : window_(window) {}
    ~OwnedWindow() { reset(); }
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    OwnedWindow(OwnedWindow&& other) noexcept : window_(std::exchange(other.window_, nullptr)) {}
    OwnedWindow& operator=(OwnedWindow&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
        }
        return *this;
    }

    HWND get() const { return window_; }
    explicit operator bool() const { return window_ != nullptr; }

    void reset(HWND replacement = nullptr) {
        if (window_ != nullptr && IsWindow(window_)) {
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            clearWindowName(window_);
            DestroyWindow(window_);
        }
        window_ = replacement;
    }

private:
    HWND window_ = nullptr;
};

}  // namespace win32

#pragma once
// The screen guard: a translucent topmost veil removed by a double click.
#include <cstdint>

#include "forms/form.h"
#include "platform/window_manager.h"

namespace sparvane::screenguard {

// How opaque the veil is: 80 of 255, enough to see the desktop through it.
constexpr std::uint8_t kVeilAlpha = 80;

class ScreenGuardWindow : public forms::Form {
public:
    ScreenGuardWindow(forms::Application& app, platform::WindowManager& windows);

    forms::TextBox& keyboardTrap;  // off-screen; takes the keyboard while the veil is up

    void onLoad() override;
    void onActivate() override;
    void onDoubleClick() override;

private:
    platform::WindowManager& windows_;
};

}  // namespace sparvane::screenguard

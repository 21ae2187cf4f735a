#pragma once
// Form4: the screen guard, a translucent topmost veil removed by a double click.
#include <cstdint>

#include "forms/form.h"
#include "platform/window_manager.h"

namespace sparvane::screenguard {

// How opaque the veil is: 80 of 255, enough to see the desktop through it.
constexpr std::uint8_t kVeilAlpha = 80;

class Form4 : public forms::Form {
public:
    Form4(forms::Application& app, platform::WindowManager& windows);

    forms::TextBox& Text1;  // off-screen; takes the keyboard while the veil is up

    void Form_Load() override;
    void Form_Activate() override;
    void Form_DblClick() override;

private:
    platform::WindowManager& windows_;
};

}  // namespace sparvane::screenguard

#pragma once
// Form4: the screen guard, a translucent topmost veil removed by a double click.
#include <cstdint>

#include "common/context.h"
#include "forms/form.h"

namespace sparvane::screenguard {

// How opaque the veil is: 80 of 255, enough to see the desktop through it.
constexpr std::uint8_t kVeilAlpha = 80;

class Form4 : public forms::Form {
public:
    explicit Form4(Context& ctx);

    forms::TextBox& Text1;  // off-screen; takes the keyboard while the veil is up

    void Form_Load() override;
    void Form_Activate() override;
    void Form_DblClick() override;

private:
    Context& ctx_;
};

}  // namespace sparvane::screenguard

#pragma once
// Form2: the folder clean-up window. It measures the Recent folder and colours the
// widget's frame; it never stays on screen.
#include "common/context.h"
#include "forms/form.h"

namespace sparvane::cleaning {

class Form2 : public forms::Form {
public:
    explicit Form2(Context& ctx);

    forms::CommandButton& Command2;  // "View": measure the Recent folder
    forms::CommandButton& Command8;  // colour the widget's frame from Label4

    void Form_Activate() override;

private:
    Context& ctx_;
};

}  // namespace sparvane::cleaning

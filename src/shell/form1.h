#pragma once
// Form1: the widget, a maximized window cut down to a narrow column of controls.
#include "common/context.h"
#include "forms/form.h"

namespace sparvane::shell {

class Form1 : public forms::Form {
public:
    explicit Form1(Context& ctx);

    forms::Shape& Shape1;          // frame round the column; junk indicator
    forms::Label& Label3;          // time of the last user activity
    forms::CommandButton& Command63;  // Clean Junk
    forms::CommandButton& Command3;   // Screen Guard
    forms::CommandButton& Command8;   // Shutdown
    forms::CommandButton& Command6;   // Restart
    forms::CommandButton& Command7;   // Log Off
    forms::Image& Image2;          // download arrow
    forms::Label& Label1;          // download figure (written by the speed feed)
    forms::ProgressBar& p1;        // download bar
    forms::Image& Image1;          // upload arrow
    forms::Label& Label2;          // upload figure
    forms::ProgressBar& p2;        // upload bar
    forms::PictureBox& Picture1;   // auto-start on
    forms::PictureBox& Picture2;   // auto-start off
    forms::CommandButton& Command2;   // About
    forms::CommandButton& Command1;   // Close Widget
    forms::Timer& Timer1;          // activity clock

    void Form_Resize() override;

private:
    Context& ctx_;
};

}  // namespace sparvane::shell

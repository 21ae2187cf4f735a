#include "shell/form1.h"

namespace sparvane::shell {

Form1::Form1(Context& ctx)
    : forms::Form(ctx.app, "Form1"),
      Shape1(add<forms::Shape>("Shape1")),
      Label3(add<forms::Label>("Label3")),
      Command63(add<forms::CommandButton>("Command63")),
      Command3(add<forms::CommandButton>("Command3")),
      Command8(add<forms::CommandButton>("Command8")),
      Command6(add<forms::CommandButton>("Command6")),
      Command7(add<forms::CommandButton>("Command7")),
      Image2(add<forms::Image>("Image2")),
      Label1(add<forms::Label>("Label1")),
      p1(add<forms::ProgressBar>("p1")),
      Image1(add<forms::Image>("Image1")),
      Label2(add<forms::Label>("Label2")),
      p2(add<forms::ProgressBar>("p2")),
      Picture1(add<forms::PictureBox>("Picture1")),
      Picture2(add<forms::PictureBox>("Picture2")),
      Command2(add<forms::CommandButton>("Command2")),
      Command1(add<forms::CommandButton>("Command1")),
      Timer1(add<forms::Timer>("Timer1")),
      ctx_(ctx) {}

void Form1::Form_Resize() {}

}  // namespace sparvane::shell

#include "cleaning/form2.h"

namespace sparvane::cleaning {

Form2::Form2(Context& ctx)
    : forms::Form(ctx.app, "Form2"),
      Command2(add<forms::CommandButton>("Command2")),
      Command8(add<forms::CommandButton>("Command8")),
      ctx_(ctx) {}

void Form2::Form_Activate() {
    hide();
    hide();
}

}  // namespace sparvane::cleaning

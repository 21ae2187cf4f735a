#include "screenguard/form4.h"

namespace sparvane::screenguard {

Form4::Form4(Context& ctx) : forms::Form(ctx.app, "Form4"), Text1(add<forms::TextBox>("Text1")), ctx_(ctx) {}

void Form4::Form_Load() {}

void Form4::Form_DblClick() { unload(); }

}  // namespace sparvane::screenguard

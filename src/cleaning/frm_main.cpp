#include "cleaning/frm_main.h"

namespace sparvane::cleaning {

frmMain::frmMain(Context& ctx)
    : forms::Form(ctx.app, "frmMain"),
      chkSelectAll(add<forms::CheckBox>("chkSelectAll")),
      cmdChoice{&add<forms::CommandButton>("cmdChoice", 0), &add<forms::CommandButton>("cmdChoice", 1)},
      ctx_(ctx) {}

}  // namespace sparvane::cleaning

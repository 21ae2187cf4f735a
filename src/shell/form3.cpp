#include "shell/form3.h"

namespace sparvane::shell {

Form3::Form3(Context& ctx) : forms::Form(ctx.app, "Form3"), ctx_(ctx), traffic_(*this, ctx), dialup_(*this, ctx) {}

void Form3::Form_Initialize() { dialup_.prepare(); }
void Form3::Form_Load() { traffic_.setUp(); }
void Form3::Form_Activate() {}
void Form3::Form_QueryUnload(int&, int) {
    traffic_.removeTrayIcon();
    dialup_.release();
}
void Form3::Form_Unload(int&) { traffic_.removeTrayIcon(); }
void Form3::Form_Terminate() { traffic_.removeTrayIcon(); }

}  // namespace sparvane::shell

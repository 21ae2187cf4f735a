#include "dialup/dialup_panel.h"

namespace sparvane::dialup {

DialupPanel::DialupPanel(forms::Form& networkWindow, Context& ctx) : form_(networkWindow), ctx_(ctx) {}

void DialupPanel::prepare() {}

void DialupPanel::release() {}

}  // namespace sparvane::dialup

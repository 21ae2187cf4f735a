#include "shell/auto_start.h"

namespace sparvane::shell {

void switchAutoStartOn(Context&) {}
void switchAutoStartOff(Context&) {}

}  // namespace sparvane::shell

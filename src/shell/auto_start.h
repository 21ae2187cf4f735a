#pragma once
// The widget's two auto-start boxes: they write the program's value in the machine-wide
// Run key through the system's reg.exe.
#include "common/context.h"

namespace sparvane::shell {

void switchAutoStartOn(Context& ctx);   // Picture1
void switchAutoStartOff(Context& ctx);  // Picture2

}  // namespace sparvane::shell

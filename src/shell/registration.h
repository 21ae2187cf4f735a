#pragma once
#include "shell/context.h"

namespace sparvane::shell {

// Tells the runtime how to make each of the program's forms.
void registerForms(Context& ctx);

// Starts the program the way Windows starts it: the network window is created, loaded
// and shown; its activation brings up the rest.
void startProgram(Context& ctx);

}  // namespace sparvane::shell

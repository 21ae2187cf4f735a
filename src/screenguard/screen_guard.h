#pragma once
#include "forms/application.h"

namespace sparvane::screenguard {

// The widget's Screen Guard button: tells the user how to close the veil, then raises it.
void openScreenGuard(forms::Application& app);

}  // namespace sparvane::screenguard

#pragma once
#include "common/context.h"

namespace sparvane::screenguard {

// The widget's Screen Guard button: tells the user how to close the veil, then raises it.
void openScreenGuard(Context& ctx);

}  // namespace sparvane::screenguard

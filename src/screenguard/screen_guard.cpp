#include "screenguard/screen_guard.h"

namespace sparvane::screenguard {

void openScreenGuard(Context&) {}

}  // namespace sparvane::screenguard

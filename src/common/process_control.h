#pragma once
// The program's orderly exit and the switching of token privileges.
#include <string>

#include "common/context.h"
#include "forms/application.h"

namespace sparvane::common {

// The orderly exit: drops the debug privilege, unloads every form in the ordinary way and
// ends the process with status 0. Once started it does not come back to the user; a call
// made while it runs (an unload handler reacting to the unload) does nothing.
void TerminateProgram(Context& ctx);

// Hides and unloads every loaded form in load order, stopping its timers first. Unload
// handlers run with unload_mode::kFormCode; a form whose handler cancels is passed over.
void UnloadAllForms(forms::Application& app);

// Switches a named privilege of the process token on or off; true when the system
// accepted the change. Failures are reported in an information box (at most one) and give
// false; the token handle is closed on every path.
bool AdjustPrivileges(Context& ctx, bool enable, const std::string& privilege);

}  // namespace sparvane::common

#pragma once
// The program's orderly exit and the switching of token privileges.
#include <string>

#include "forms/application.h"
#include "platform/desktop.h"
#include "platform/session.h"

namespace sparvane::common {

// What the orderly exit works with, and the mark it leaves while it runs.
struct OrderlyExit {
    forms::Application& app;
    platform::Token& token;
    platform::SystemErrors& systemErrors;
    platform::Processes& processes;
    // Set by TerminateProgram while it runs, so that no handler starts a second exit and
    // long work (a sweep, a pause) stops.
    bool terminating = false;
};

// The orderly exit: drops the debug privilege, unloads every form in the ordinary way and
// ends the process with status 0. Once started it does not come back to the user; a call
// made while it runs (an unload handler reacting to the unload) does nothing.
void TerminateProgram(OrderlyExit& orderlyExit);

// Hides and unloads every loaded form in load order, stopping its timers first. Unload
// handlers run with unload_mode::kFormCode; a form whose handler cancels is passed over.
void UnloadAllForms(forms::Application& app);

// Switches a named privilege of the process token on or off; true when the system
// accepted the change. Failures are reported in an information box (at most one) and give
// false; the token handle is closed on every path.
bool AdjustPrivileges(forms::Application& app, platform::Token& token, platform::SystemErrors& errors, bool enable,
                      const std::string& privilege);

}  // namespace sparvane::common

#pragma once
// The program's orderly exit.
#include "forms/application.h"
#include "platform/desktop.h"
#include "platform/session.h"

namespace sparvane::common {

// What the orderly exit works with, and the mark it leaves while it runs.
struct OrderlyExit {
    forms::Application& app;
    platform::Processes& processes;
    // Set by terminateProgram while it runs, so that no handler starts a second exit and
    // long work (a sweep, a pause) stops.
    bool terminating = false;
};

// The orderly exit: unloads every form in the ordinary way and
// ends the process with status 0. Once started it does not come back to the user; a call
// made while it runs (an unload handler reacting to the unload) does nothing.
void terminateProgram(OrderlyExit& orderlyExit);

// Hides and unloads every loaded form in load order, stopping its timers first. Unload
// handlers run with unload_mode::kFormCode; a form whose handler cancels is passed over.
void unloadAllForms(forms::Application& app);

}  // namespace sparvane::common

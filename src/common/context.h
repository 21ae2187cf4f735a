#pragma once
// What every form of the program is built with: the forms runtime and the platform services.
#include "forms/application.h"
#include "platform/services.h"

namespace sparvane {

struct Context {
    forms::Application& app;
    platform::Services& services;
    // Set by the orderly exit while it runs, so that no handler starts a second one.
    bool terminating = false;
};

}  // namespace sparvane

#pragma once
// What the shell builds the program's forms from: the forms runtime, the platform services
// and the orderly exit. Only the shell's registration (and WinMain, and tests that start the
// whole program) see this bundle; every form and routine takes the parts it uses.
#include "common/process_control.h"
#include "forms/application.h"
#include "platform/services.h"

namespace sparvane {

struct Context {
    forms::Application& app;
    platform::Services& services;
    common::OrderlyExit orderlyExit{app, services.processes};
};

}  // namespace sparvane

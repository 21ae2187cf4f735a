#pragma once
// What every form of the program is built with: the forms runtime and the platform services.
#include "forms/application.h"
#include "platform/services.h"

namespace sparvane {

struct Context {
    forms::Application& app;
    platform::Services& services;
};

}  // namespace sparvane

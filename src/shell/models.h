#pragma once
// What the program measures and does, apart from the windows that show it: the shell makes
// these once, before any window, and hands each window the models it shows. A window that
// is unloaded and loaded again finds them as it left them.
#include "network/traffic_meter.h"
#include "shell/context.h"

namespace sparvane::shell {

struct Models {
    explicit Models(Context& ctx) : traffic(ctx.services.interfaceTable, ctx.app, ctx.services.clock) {}

    network::TrafficMeter traffic;
};

}  // namespace sparvane::shell

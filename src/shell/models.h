#pragma once
// What the program measures and does, apart from the windows that show it: the shell makes
// these once, before any window, and hands each window the models it shows. A window that
// is unloaded and loaded again finds them as it left them.
#include "cleaning/clean_up_run.h"
#include "cleaning/junk_meter.h"
#include "network/traffic_meter.h"
#include "seams/widget.h"
#include "shell/context.h"

namespace sparvane::shell {

struct Models {
    // The junk meter colours the widget's frame through `widget`.
    Models(Context& ctx, Widget& widget);

    network::TrafficMeter traffic;    // the tick's figures, totals, histories and records
    cleaning::JunkMeter junkMeter;    // the Recent folder's size and the frame's verdict
    cleaning::CleanUpRun cleanUpRun;  // the cleaning tasks' selection, run and outcomes
};

inline Models::Models(Context& ctx, Widget& widget)
    : traffic(ctx.services.interfaceTable, ctx.app, ctx.services.clock),
      junkMeter({ctx.services.fileSystem, ctx.services.locale, widget, {ctx.app, ctx.services.clock, ctx.orderlyExit}}),
      cleanUpRun({ctx.services.fileSystem,
                  ctx.services.recycleBin,
                  ctx.services.recentDocuments,
                  ctx.services.windows,
                  {ctx.app, ctx.services.clock, ctx.orderlyExit}}) {}

}  // namespace sparvane::shell

#pragma once
#include "cleaning/clean_up_run.h"
#include "cleaning/junk_meter.h"
#include "forms/application.h"
#include "seams/widget.h"

namespace sparvane::cleaning {

// The widget's Clean Junk button: runs every cleaning task, then re-measures the Recent
// folder and leaves the widget's frame green.
void cleanJunk(forms::Application& app, CleanUpRun& run, JunkMeter& meter, shell::Widget& widget);

}  // namespace sparvane::cleaning

#pragma once
// What the program knows, apart from the windows that show it: the shell owns the models for
// as long as its forms can be made, and hands the windows references to them.
#include "cleaning/clean_up_run.h"
#include "cleaning/junk_meter.h"

namespace sparvane::shell {

struct Models {
    Models(const cleaning::JunkMeter::Services& junkMeterServices,
           const cleaning::CleanUpRun::Services& cleanUpRunServices)
        : junkMeter(junkMeterServices), cleanUpRun(cleanUpRunServices) {}

    cleaning::JunkMeter junkMeter;    // the Recent folder's size and the frame's verdict
    cleaning::CleanUpRun cleanUpRun;  // the cleaning tasks' selection, run and outcomes
};

}  // namespace sparvane::shell

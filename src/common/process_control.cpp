#include "common/process_control.h"

#include <algorithm>

#include "forms/control.h"

namespace sparvane::common {

namespace {

bool isLoaded(const forms::Application& app, const forms::Form* form) {
    const auto loaded = app.forms();
    return std::find(loaded.begin(), loaded.end(), form) != loaded.end();
}

}  // namespace

void terminateProgram(OrderlyExit& orderlyExit) {
    // A form's unload handler that asks for the exit while we unload is already served.
    if (orderlyExit.terminating) return;
    orderlyExit.terminating = true;
    // The program keeps no files open between events, so there is nothing to close first.
    unloadAllForms(orderlyExit.app);
    // A normal end: status 0, whatever the exit-code query would have answered.
    orderlyExit.processes.exitProcess(0);
}

void unloadAllForms(forms::Application& app) {
    for (forms::Form* form : app.forms()) {
        // An earlier form's handlers may have unloaded this one already.
        if (!isLoaded(app, form)) continue;
        form->hide();
        for (const auto& control : form->controls()) {
            if (control->type() != forms::ControlType::Timer) continue;
            auto& timer = static_cast<forms::Timer&>(*control);
            timer.setInterval(0);
            timer.setTimerEnabled(false);
        }
        (void)form->unload();
    }
}

}  // namespace sparvane::common

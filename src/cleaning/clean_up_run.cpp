#include "cleaning/clean_up_run.h"

#include <algorithm>

#include "cleaning/clean_up.h"
#include "cleaning/pause.h"

namespace sparvane::cleaning {

bool CleanUpRun::allSelected() const {
    return std::all_of(selected_.begin(), selected_.end(), [](bool on) { return on; });
}

// Told even when nothing changed: a window loaded since shows the selection it was told.
void CleanUpRun::select(int task, bool on) {
    selected_.at(static_cast<std::size_t>(task)) = on;
    changed();
}

void CleanUpRun::selectAll(bool on) {
    selected_.fill(on);
    changed();
}

void CleanUpRun::run() {
    if (running_) {
        rerunRequested_ = true;
        return;
    }
    running_ = true;
    // However the run ends (a handler of the events it lets through may throw), it is over
    // and the window comes back ready for the next one.
    struct EndOfRun {
        CleanUpRun& run;
        ~EndOfRun() {
            run.running_ = false;
            run.changed();
        }
    } endOfRun{*this};
    do {
        rerunRequested_ = false;
        runOnce();
    } while (rerunRequested_ && !services_.pacing.orderlyExit.terminating);
}

void CleanUpRun::runOnce() {
    outcomes_.fill(Outcome::kPending);
    changed();
    for (int i = 0; i < kTaskCount; ++i) {
        if (services_.pacing.orderlyExit.terminating) return;  // the program is ending; no further task starts
        auto& outcome = outcomes_[static_cast<std::size_t>(i)];
        if (!selected(i)) {
            outcome = Outcome::kNotSelected;
            changed();
            continue;
        }
        const TaskEnd end = runTask(i);
        outcome = end == TaskEnd::kDone ? Outcome::kDone : Outcome::kFailed;
        changed();
        if (end == TaskEnd::kBroken) break;  // the run ends at a broken task
    }
    pauseMilliseconds(services_.pacing, 2);  // lets the window paint the outcomes
}

// A task that throws (memory ran out, a path too strange for the string routines) has
// failed, and so has the run: what it left half done is not built upon.
CleanUpRun::TaskEnd CleanUpRun::runTask(int task) {
    auto& s = services_;
    try {
        bool done = false;
        switch (task) {
            case 0: done = cleanTempFolder(s.fileSystem, s.pacing); break;
            case 1: done = emptyRecycleBins(s.fileSystem, s.recycleBin, s.windows, s.pacing); break;
            case 2: done = clearRecentDocuments(s.recentDocuments, s.fileSystem); break;
            default: break;
        }
        return done ? TaskEnd::kDone : TaskEnd::kFailed;
    } catch (...) {
        return TaskEnd::kBroken;
    }
}

}  // namespace sparvane::cleaning

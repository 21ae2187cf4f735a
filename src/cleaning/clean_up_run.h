#pragma once
// A clean-up run: which of the three cleaning tasks (Windows Temp, Recycle Bin, Most Recently
// Used) are selected, whether a run is under way, and how each task of the current run ended.
#include <array>

#include "cleaning/event_pacer.h"
#include "cleaning/watched.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/window_manager.h"

namespace sparvane::cleaning {

class CleanUpRun : public Watched {
public:
    // What the three engine routines work with.
    struct Services {
        platform::FileSystem& fileSystem;
        platform::RecycleBin& recycleBin;
        platform::RecentDocuments& recentDocuments;
        platform::WindowManager& windows;
        EventPacing pacing;
    };
    explicit CleanUpRun(const Services& services) : services_(services) {}

    static constexpr int kTaskCount = 3;
    // kPending: not handled yet in the current run.
    enum class Outcome { kPending, kNotSelected, kDone, kFailed };

    [[nodiscard]] bool selected(int task) const { return selected_.at(static_cast<std::size_t>(task)); }
    // What Select All shows: checked exactly when all three tasks are selected.
    [[nodiscard]] bool allSelected() const;
    void select(int task, bool on);
    // Select All clicked: every task selected, or none.
    void selectAll(bool on);

    // Runs the selected tasks in order. The sweep and the emptying of the bins let events
    // through, so a run may be asked for while one is under way: it never starts inside it,
    // but makes exactly one more run follow (however often it was asked for).
    void run();
    // True from the start of a run to the end of the last run that follows it.
    [[nodiscard]] bool running() const { return running_; }
    [[nodiscard]] Outcome outcome(int task) const { return outcomes_.at(static_cast<std::size_t>(task)); }

private:
    enum class TaskEnd { kDone, kFailed, kBroken };  // kBroken: the routine threw

    void runOnce();
    [[nodiscard]] TaskEnd runTask(int task);

    Services services_;
    std::array<bool, kTaskCount> selected_{};
    std::array<Outcome, kTaskCount> outcomes_{};
    bool running_ = false;
    bool rerunRequested_ = false;
};

}  // namespace sparvane::cleaning

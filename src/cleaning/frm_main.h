#pragma once
// frmMain: the temp-file clean-up window. A check list of three cleaning tasks (Windows
// Temp, Recycle Bin, Most Recently Used), a Select All box, "&Ok" to run the checked tasks
// and "E&xit" to end the program. The widget's Clean Junk button drives it from code.
#include <array>

#include "common/process_control.h"
#include "forms/form.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/window_manager.h"

namespace sparvane::cleaning {

class frmMain : public forms::Form {
public:
    // What the window and its three tasks work with; E&xit ends the program through the
    // orderly exit.
    struct Services {
        platform::FileSystem& fileSystem;
        platform::RecycleBin& recycleBin;
        platform::RecentDocuments& recentDocuments;
        platform::Shell& shell;
        platform::WindowManager& windows;
        platform::Clock& clock;
        common::OrderlyExit& orderlyExit;
    };
    frmMain(forms::Application& app, const Services& services);

    static constexpr int kTaskCount = 3;
    // The author named on the window, and where the mail link writes to.
    static constexpr const char* kAuthorName = "Sparvane Team";
    static constexpr const char* kAuthorAddress = "cleanup@sparvane.example";

    forms::Label& lblTitle;
    forms::Label& lblAuthor;  // a mail link
    forms::Frame& fraMain;    // holds the task rows, the status pictures and lblWait
    std::array<forms::CheckBox*, kTaskCount> chkChkBox;
    std::array<forms::Label*, kTaskCount> lblFolders;
    std::array<forms::PictureBox*, kTaskCount> picNA;      // task not selected
    std::array<forms::PictureBox*, kTaskCount> picRedX;    // task failed
    std::array<forms::PictureBox*, kTaskCount> picGrnChk;  // task done
    forms::Label& lblWait;
    forms::CheckBox& chkSelectAll;
    std::array<forms::CommandButton*, 2> cmdChoice;  // 0 "&Ok", 1 "E&xit"
    forms::Label& lblDisclaimer;
    forms::Label& lblOperSystem;

    void onLoad() override;
    void onQueryUnload(int& cancel, int unloadMode) override;

    void chkChkBox_Click(int index);
    void chkSelectAll_Click();
    void cmdChoice_Click(int index);
    void lblAuthor_Click();

    void PerformCleanUp();
    void ResetScreen();
    void SendMailToAuthor();

    // The task flags the run reads (never the check boxes themselves).
    bool taskSelected(int index) const { return taskFlags_.at(static_cast<std::size_t>(index)); }
    // True while the checked tasks run: the sweep lets events through, and a second run
    // must not start inside the first.
    bool running() const { return running_; }

private:
    enum class TaskOutcome { kDone, kFailed, kBroken };  // kBroken: the task threw

    void layOutHeader();
    void addTaskRow(int index);
    void layOutFooter();
    template <typename C>
    C& inFrame(C& control);  // puts a control into fraMain
    void centreOnScreen();
    void runOnce();
    [[nodiscard]] TaskOutcome runTask(int index);

    Services services_;
    std::array<bool, kTaskCount> taskFlags_{};
    bool suppressCoupling_ = false;
    bool running_ = false;
    bool rerunRequested_ = false;  // &Ok was pressed again during a run
};

}  // namespace sparvane::cleaning

#pragma once
// The temp-file clean-up window ("frmMain"): shows a clean-up run. A check list of its three
// tasks, a Select All box, "&Ok" to run the checked tasks and "E&xit" to end the program;
// during a run the window is hidden and each task's box gives way to a picture of how it
// ended. The widget's Clean Junk runs the same model without the window's buttons.
#include <array>
#include <optional>

#include "cleaning/clean_up_run.h"
#include "common/process_control.h"
#include "forms/application.h"
#include "forms/form.h"
#include "platform/shell.h"
#include "platform/window_manager.h"

namespace sparvane::cleaning {

class CleanUpWindow : public forms::Form, private Watched::Watcher {
public:
    // The run the window shows, the shell the mail link opens, and the orderly exit that
    // E&xit and the close box go through.
    struct Services {
        CleanUpRun& run;
        platform::Shell& shell;
        platform::WindowManager& windows;
        common::OrderlyExit& orderlyExit;
    };
    CleanUpWindow(forms::Application& app, const Services& services);
    ~CleanUpWindow() override;

    static constexpr int kTaskCount = CleanUpRun::kTaskCount;
    // The author named on the window, and where the mail link writes to.
    static constexpr const char* kAuthorName = "Sparvane Team";
    static constexpr const char* kAuthorAddress = "cleanup@sparvane.example";

    forms::Label& titleLabel;
    forms::Label& authorLink;
    forms::Frame& taskFrame;  // holds the task rows, the status pictures and the wait label
    std::array<forms::CheckBox*, kTaskCount> taskBoxes;
    std::array<forms::Label*, kTaskCount> taskLabels;
    std::array<forms::PictureBox*, kTaskCount> notSelectedPictures;
    std::array<forms::PictureBox*, kTaskCount> failedPictures;
    std::array<forms::PictureBox*, kTaskCount> donePictures;
    forms::Label& waitLabel;
    forms::CheckBox& selectAllBox;
    forms::CommandButton& okButton;
    forms::CommandButton& exitButton;
    forms::Label& disclaimerLabel;
    forms::Label& systemLabel;

    void onLoad() override;
    void onQueryUnload(int& cancel, int unloadMode) override;

private:
    void layOutHeader();
    void addTaskRow(int index);
    void layOutFooter();
    template <typename C>
    C& inFrame(C& control);  // puts a control into the task frame
    void centreOnScreen();

    void modelChanged() override;
    void showSelection();
    void showRunState();
    void showOutcomes(bool running);

    void taskBoxClicked(int index);
    void selectAllClicked();
    void runSelectedTasks();
    void exitProgram();
    void mailAuthor();

    Services services_;
    bool showingRun_ = false;  // the window shows a run under way
    std::optional<forms::Application::BusyCursor> busy_;
};

}  // namespace sparvane::cleaning

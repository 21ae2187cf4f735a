#include "cleaning/frm_main.h"

#include "cleaning/clean_up.h"
#include "cleaning/pause.h"
#include "common/process_control.h"
#include "common/window_frame.h"
#include "forms/application.h"
#include "platform/rounding.h"

namespace sparvane::cleaning {

namespace {

const forms::Font kSegoe{"Segoe UI", 8.25, false, false};
constexpr double kRowTops[frmMain::kTaskCount] = {270, 630, 990};
constexpr const char* kTaskCaptions[frmMain::kTaskCount] = {"Windows Temp", "Recycle Bin", "Most Recently Used"};

}  // namespace

frmMain::frmMain(forms::Application& app, const Services& services)
    : forms::Form(app, "frmMain"),
      lblTitle(add<forms::Label>("lblTitle")),
      lblAuthor(add<forms::Label>("lblAuthor")),
      fraMain(add<forms::Frame>("fraMain", 1)),
      chkChkBox{},
      lblFolders{},
      picNA{},
      picRedX{},
      picGrnChk{},
      lblWait(add<forms::Label>("lblWait")),
      chkSelectAll(add<forms::CheckBox>("chkSelectAll")),
      cmdChoice{&add<forms::CommandButton>("cmdChoice", 0), &add<forms::CommandButton>("cmdChoice", 1)},
      lblDisclaimer(add<forms::Label>("lblDisclaimer")),
      lblOperSystem(add<forms::Label>("lblOperSystem")),
      services_(services) {
    setCaption("Clean Up");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setStartUpPosition(forms::StartUpPosition::Manual);  // onLoad centres it itself
    setClientSizeTwips(4515, 3915);
    layOutHeader();
    for (int i = 0; i < kTaskCount; ++i) addTaskRow(i);
    layOutFooter();
}

void frmMain::layOutHeader() {
    lblTitle.setCaption("Clean Up Temp Files");
    lblTitle.setBoundsTwips(683, 90, 3105, 375);
    lblTitle.setAlignment(forms::Alignment::Center);
    lblTitle.setFont({"MS Sans Serif", 12, true, false});

    lblAuthor.setCaption(kAuthorName);
    lblAuthor.setBoundsTwips(1755, 390, 960, 210);
    lblAuthor.setAlignment(forms::Alignment::Center);
    lblAuthor.setForeColor(forms::rgb(0, 0, 255));
    lblAuthor.setFont({"Segoe UI", 8.25, false, true});
    lblAuthor.onClick = [this] { lblAuthor_Click(); };

    fraMain.setBoundsTwips(120, 615, 4215, 1410);
}

template <typename C>
C& frmMain::inFrame(C& control) {
    control.setContainer(&fraMain);
    return control;
}

// One task row; the status pictures of a row take the place of its check box.
void frmMain::addTaskRow(int i) {
    const double top = kRowTops[i];
    chkChkBox[i] = &inFrame(add<forms::CheckBox>("chkChkBox", i));
    chkChkBox[i]->setBoundsTwips(240, top, 210, 210);
    chkChkBox[i]->setFont(kSegoe);
    chkChkBox[i]->onClick = [this, i] { chkChkBox_Click(i); };

    lblFolders[i] = &inFrame(add<forms::Label>("lblFolders", i));
    lblFolders[i]->setCaption(kTaskCaptions[i]);
    lblFolders[i]->setBoundsTwips(540, top, 1800, 240);
    lblFolders[i]->setFont(kSegoe);

    struct Status {
        std::array<forms::PictureBox*, kTaskCount>& pictures;
        const char* name;
        forms::Picture picture;
        double left, topOffset, width, height;
    };
    const Status statuses[] = {
        {picNA, "picNA", forms::Picture::NotSelected, 180, 0, 330, 210},
        {picRedX, "picRedX", forms::Picture::RedCross, 180, 0, 210, 210},
        {picGrnChk, "picGrnChk", forms::Picture::GreenCheck, 90, -135, 450, 450},
    };
    for (const auto& status : statuses) {
        status.pictures[i] = &inFrame(add<forms::PictureBox>(status.name, i));
        status.pictures[i]->setBoundsTwips(status.left, top + status.topOffset, status.width, status.height);
        status.pictures[i]->setPicture(status.picture);
    }
}

void frmMain::layOutFooter() {
    lblWait.setContainer(&fraMain);
    lblWait.setCaption("Be patient");
    lblWait.setBoundsTwips(2250, 630, 1815, 240);
    lblWait.setAlignment(forms::Alignment::Center);
    lblWait.setFont({"Fixedsys", 9, false, false});

    chkSelectAll.setCaption("Select / Deselect All");
    chkSelectAll.setBoundsTwips(360, 2160, 2010, 240);
    chkSelectAll.setFont(kSegoe);
    chkSelectAll.onClick = [this] { chkSelectAll_Click(); };

    const char* choiceCaptions[] = {"&Ok", "E&xit"};
    const double choiceTops[] = {2385, 2970};
    for (int i = 0; i < 2; ++i) {
        cmdChoice[i]->setCaption(choiceCaptions[i]);
        cmdChoice[i]->setBoundsTwips(3600, choiceTops[i], 690, 480);
        cmdChoice[i]->setFont({"Segoe UI", 11.25, false, false});
        cmdChoice[i]->onClick = [this, i] { cmdChoice_Click(i); };
    }

    lblDisclaimer.setBoundsTwips(75, 2565, 2670, 600);
    lblDisclaimer.setFont(kSegoe);
    lblOperSystem.setBoundsTwips(75, 3330, 3495, 375);
    lblOperSystem.setFont(kSegoe);
}

void frmMain::onLoad() {
    taskFlags_.fill(false);
    ResetScreen();
    setCaption(app().info().title);
    common::refreshFormFrame(services_.windows, *this);
    lblDisclaimer.setCaption(std::string("This software is provided without any ") +
                             "warrantees or guarantees implied or intended.");
    // No description of the system is shown: the label stays empty.
    lblOperSystem.setCaption("");
    // Every task starts selected: Select All checks the three boxes, and their clicks set
    // the three flags.
    chkSelectAll.setValue(1);
    centreOnScreen();
    show();
}

void frmMain::centreOnScreen() {
    // The free space is rounded (halves to even) before it is halved in integers.
    const long long left = platform::roundHalfEven<long long>(app().screenWidth() - width()) / 2;
    const long long top = platform::roundHalfEven<long long>(app().screenHeight() - height()) / 2;
    move(static_cast<double>(left), static_cast<double>(top), width(), height());
}

void frmMain::ResetScreen() {
    cmdChoice[0]->setEnabled(true);
    cmdChoice[1]->setEnabled(true);
    lblWait.setVisible(false);
    for (int i = 0; i < kTaskCount; ++i) {
        picNA[i]->setVisible(false);
        picRedX[i]->setVisible(false);
        picGrnChk[i]->setVisible(false);
    }
    for (int i = 0; i < kTaskCount; ++i) chkChkBox[i]->setVisible(true);
}

void frmMain::chkChkBox_Click(int index) {
    if (index < 0 || index >= kTaskCount) return;
    taskFlags_[static_cast<std::size_t>(index)] = chkChkBox[index]->value() != 0;
    // A change made by the Select All handler only records the flag.
    if (suppressCoupling_) return;
    suppressCoupling_ = true;
    const bool all = taskFlags_[0] && taskFlags_[1] && taskFlags_[2];
    chkSelectAll.setValue(all ? 1 : 0);
    suppressCoupling_ = false;
}

void frmMain::chkSelectAll_Click() {
    // A change made by a task box's handler only shows the state; it selects nothing.
    if (suppressCoupling_) return;
    const int value = chkSelectAll.value() != 0 ? 1 : 0;
    for (int i = 0; i < kTaskCount; ++i) {
        suppressCoupling_ = true;
        chkChkBox[i]->setValue(value);
        suppressCoupling_ = false;
    }
}

void frmMain::cmdChoice_Click(int index) {
    // The sweep and the emptying of the bins let events through; a press arriving meanwhile
    // (Clean Junk again) must not start a second run inside the first: it waits, and runs
    // once the first is over.
    if (index == 0 && running_) {
        rerunRequested_ = true;
        return;
    }
    hide();
    if (index != 0) {
        common::terminateProgram(services_.orderlyExit);
        return;
    }
    do {
        rerunRequested_ = false;
        runOnce();
    } while (rerunRequested_ && !services_.orderlyExit.terminating);
}

void frmMain::runOnce() {
    running_ = true;
    cmdChoice[0]->setEnabled(false);
    cmdChoice[1]->setEnabled(false);
    lblWait.setVisible(true);
    // However the run ends, the window comes back ready for the next one.
    struct EndOfRun {
        frmMain& window;
        ~EndOfRun() {
            window.running_ = false;
            window.ResetScreen();
        }
    } endOfRun{*this};
    forms::Application::BusyCursor busy(app());
    PerformCleanUp();
}

void frmMain::PerformCleanUp() {
    for (int i = 0; i < kTaskCount; ++i) {
        chkChkBox[i]->setVisible(false);
        picNA[i]->setVisible(false);
        picRedX[i]->setVisible(false);
        picGrnChk[i]->setVisible(false);
    }
    for (int i = 0; i < kTaskCount; ++i) {
        if (services_.orderlyExit.terminating) return;  // the program is ending; no further task starts
        if (!taskFlags_[static_cast<std::size_t>(i)]) {
            picNA[i]->setVisible(true);
            continue;
        }
        const TaskOutcome outcome = runTask(i);
        (outcome == TaskOutcome::kDone ? picGrnChk[i] : picRedX[i])->setVisible(true);
        if (outcome == TaskOutcome::kBroken) break;  // the run ends at a broken task
    }
    PauseMilliseconds({app(), services_.clock, services_.orderlyExit}, 2);  // lets the pictures paint
}

// The engine routine of each task, by the task's index. A task that throws (memory ran
// out, a path too strange for the string routines) has failed, and so has the run: what
// it left half done is not built upon.
frmMain::TaskOutcome frmMain::runTask(int index) {
    auto& fs = services_.fileSystem;
    const EventPacing pacing{app(), services_.clock, services_.orderlyExit};
    try {
        bool done = false;
        switch (index) {
            case 0: done = CleanTempFolder(fs, pacing); break;
            case 1: done = EmptyRecycleBins(fs, services_.recycleBin, services_.windows, pacing); break;
            case 2: done = ClearRecentDocuments(services_.recentDocuments, fs); break;
            default: break;
        }
        return done ? TaskOutcome::kDone : TaskOutcome::kFailed;
    } catch (...) {
        return TaskOutcome::kBroken;
    }
}

void frmMain::lblAuthor_Click() { SendMailToAuthor(); }

void frmMain::SendMailToAuthor() {
    const std::string address = std::string("mailto:") + kAuthorAddress + "?subject=" + app().info().title;
    (void)services_.shell.execute(services_.windows.desktopWindow(), "open", address, "", "", platform::kShowNormal);
}

void frmMain::onQueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    // Only the user's closing ends the program; an unload from code or from the ending
    // session is itself part of an exit already under way.
    if (unloadMode == forms::unload_mode::kFormControlMenu) common::terminateProgram(services_.orderlyExit);
}

}  // namespace sparvane::cleaning

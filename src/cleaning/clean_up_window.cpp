#include "cleaning/clean_up_window.h"

#include "common/process_control.h"
#include "common/window_frame.h"
#include "forms/application.h"
#include "platform/rounding.h"

namespace sparvane::cleaning {

namespace {

const forms::Font kSegoe{"Segoe UI", 8.25, false, false};
constexpr double kRowTops[CleanUpWindow::kTaskCount] = {270, 630, 990};
constexpr const char* kTaskCaptions[CleanUpWindow::kTaskCount] = {"Windows Temp", "Recycle Bin", "Most Recently Used"};

}  // namespace

CleanUpWindow::CleanUpWindow(forms::Application& app, const Services& services)
    : forms::Form(app, "frmMain"),
      titleLabel(add<forms::Label>("lblTitle")),
      authorLink(add<forms::Label>("lblAuthor")),
      taskFrame(add<forms::Frame>("fraMain", 1)),
      taskBoxes{},
      taskLabels{},
      notSelectedPictures{},
      failedPictures{},
      donePictures{},
      waitLabel(add<forms::Label>("lblWait")),
      selectAllBox(add<forms::CheckBox>("chkSelectAll")),
      okButton(add<forms::CommandButton>("cmdChoice", 0)),
      exitButton(add<forms::CommandButton>("cmdChoice", 1)),
      disclaimerLabel(add<forms::Label>("lblDisclaimer")),
      systemLabel(add<forms::Label>("lblOperSystem")),
      services_(services) {
    setCaption("Clean Up");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setStartUpPosition(forms::StartUpPosition::Manual);  // onLoad centres it itself
    setClientSizeTwips(4515, 3915);
    layOutHeader();
    for (int i = 0; i < kTaskCount; ++i) addTaskRow(i);
    layOutFooter();
    services_.run.watch(*this);
}

CleanUpWindow::~CleanUpWindow() { services_.run.unwatch(*this); }

void CleanUpWindow::layOutHeader() {
    titleLabel.setCaption("Clean Up Temp Files");
    titleLabel.setBoundsTwips(683, 90, 3105, 375);
    titleLabel.setAlignment(forms::Alignment::Center);
    titleLabel.setFont({"MS Sans Serif", 12, true, false});

    authorLink.setCaption(kAuthorName);
    authorLink.setBoundsTwips(1755, 390, 960, 210);
    authorLink.setAlignment(forms::Alignment::Center);
    authorLink.setForeColor(forms::rgb(0, 0, 255));
    authorLink.setFont({"Segoe UI", 8.25, false, true});
    authorLink.onClick = [this] { mailAuthor(); };

    taskFrame.setBoundsTwips(120, 615, 4215, 1410);
}

template <typename C>
C& CleanUpWindow::inFrame(C& control) {
    control.setContainer(&taskFrame);
    return control;
}

// One task row; the status pictures of a row take the place of its check box.
void CleanUpWindow::addTaskRow(int i) {
    const double top = kRowTops[i];
    taskBoxes[i] = &inFrame(add<forms::CheckBox>("chkChkBox", i));
    taskBoxes[i]->setBoundsTwips(240, top, 210, 210);
    taskBoxes[i]->setFont(kSegoe);
    taskBoxes[i]->onClick = [this, i] { taskBoxClicked(i); };

    taskLabels[i] = &inFrame(add<forms::Label>("lblFolders", i));
    taskLabels[i]->setCaption(kTaskCaptions[i]);
    taskLabels[i]->setBoundsTwips(540, top, 1800, 240);
    taskLabels[i]->setFont(kSegoe);

    struct Status {
        std::array<forms::PictureBox*, kTaskCount>& pictures;
        const char* name;
        forms::Picture picture;
        double left, topOffset, width, height;
    };
    const Status statuses[] = {
        {notSelectedPictures, "picNA", forms::Picture::NotSelected, 180, 0, 330, 210},
        {failedPictures, "picRedX", forms::Picture::RedCross, 180, 0, 210, 210},
        {donePictures, "picGrnChk", forms::Picture::GreenCheck, 90, -135, 450, 450},
    };
    for (const auto& status : statuses) {
        status.pictures[i] = &inFrame(add<forms::PictureBox>(status.name, i));
        status.pictures[i]->setBoundsTwips(status.left, top + status.topOffset, status.width, status.height);
        status.pictures[i]->setPicture(status.picture);
    }
}

void CleanUpWindow::layOutFooter() {
    waitLabel.setContainer(&taskFrame);
    waitLabel.setCaption("Be patient");
    waitLabel.setBoundsTwips(2250, 630, 1815, 240);
    waitLabel.setAlignment(forms::Alignment::Center);
    waitLabel.setFont({"Fixedsys", 9, false, false});

    selectAllBox.setCaption("Select / Deselect All");
    selectAllBox.setBoundsTwips(360, 2160, 2010, 240);
    selectAllBox.setFont(kSegoe);
    selectAllBox.onClick = [this] { selectAllClicked(); };

    forms::CommandButton* const choices[] = {&okButton, &exitButton};
    const char* choiceCaptions[] = {"&Ok", "E&xit"};
    const double choiceTops[] = {2385, 2970};
    for (int i = 0; i < 2; ++i) {
        choices[i]->setCaption(choiceCaptions[i]);
        choices[i]->setBoundsTwips(3600, choiceTops[i], 690, 480);
        choices[i]->setFont({"Segoe UI", 11.25, false, false});
    }
    okButton.onClick = [this] { runSelectedTasks(); };
    exitButton.onClick = [this] { exitProgram(); };

    disclaimerLabel.setBoundsTwips(75, 2565, 2670, 600);
    disclaimerLabel.setFont(kSegoe);
    systemLabel.setBoundsTwips(75, 3330, 3495, 375);
    systemLabel.setFont(kSegoe);
}

void CleanUpWindow::onLoad() {
    setCaption(app().info().title);
    common::refreshFormFrame(services_.windows, *this);
    disclaimerLabel.setCaption(std::string("This software is provided without any ") +
                               "warrantees or guarantees implied or intended.");
    // No description of the system is shown: the label stays empty.
    systemLabel.setCaption("");
    // Every task starts selected; the boxes and the idle screen follow from the run.
    services_.run.selectAll(true);
    centreOnScreen();
    show();
}

void CleanUpWindow::centreOnScreen() {
    // The free space is rounded (halves to even) before it is halved in integers.
    const long long left = platform::roundHalfEven<long long>(app().screenWidth() - width()) / 2;
    const long long top = platform::roundHalfEven<long long>(app().screenHeight() - height()) / 2;
    move(static_cast<double>(left), static_cast<double>(top), width(), height());
}

void CleanUpWindow::modelChanged() {
    showSelection();
    showRunState();
}

// Setting a box raises its click; the handlers pass on only what differs from the run, so
// showing the selection selects nothing.
void CleanUpWindow::showSelection() {
    for (int i = 0; i < kTaskCount; ++i) taskBoxes[i]->setValue(services_.run.selected(i) ? 1 : 0);
    selectAllBox.setValue(services_.run.allSelected() ? 1 : 0);
}

void CleanUpWindow::showRunState() {
    const bool running = services_.run.running();
    if (!running) busy_.reset();
    // A run hides the window once, when it starts; the runs asked for meanwhile follow it
    // with the window hidden already.
    if (running && !showingRun_) hide();
    showingRun_ = running;
    okButton.setEnabled(!running);
    exitButton.setEnabled(!running);
    waitLabel.setVisible(running);
    showOutcomes(running);
    // The user sees that a run is in progress over every window of the program.
    if (running && !busy_) busy_.emplace(app());
}

// The status pictures of a task take the place of its check box during a run; between runs
// the boxes are back and no picture shows.
void CleanUpWindow::showOutcomes(bool running) {
    using Outcome = CleanUpRun::Outcome;
    for (int i = 0; i < kTaskCount; ++i) {
        const Outcome outcome = running ? services_.run.outcome(i) : Outcome::kPending;
        notSelectedPictures[i]->setVisible(outcome == Outcome::kNotSelected);
        failedPictures[i]->setVisible(outcome == Outcome::kFailed);
        donePictures[i]->setVisible(outcome == Outcome::kDone);
    }
    for (int i = 0; i < kTaskCount; ++i) taskBoxes[i]->setVisible(!running);
}

void CleanUpWindow::taskBoxClicked(int index) {
    const bool checked = taskBoxes[index]->value() != 0;
    if (checked != services_.run.selected(index)) services_.run.select(index, checked);
}

void CleanUpWindow::selectAllClicked() {
    const bool checked = selectAllBox.value() != 0;
    if (checked != services_.run.allSelected()) services_.run.selectAll(checked);
}

void CleanUpWindow::runSelectedTasks() { services_.run.run(); }

void CleanUpWindow::exitProgram() {
    hide();
    common::terminateProgram(services_.orderlyExit);
}

void CleanUpWindow::mailAuthor() {
    const std::string address = std::string("mailto:") + kAuthorAddress + "?subject=" + app().info().title;
    (void)services_.shell.execute(services_.windows.desktopWindow(), "open", address, "", "", platform::kShowNormal);
}

void CleanUpWindow::onQueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    // Only the user's closing ends the program; an unload from code or from the ending
    // session is itself part of an exit already under way.
    if (unloadMode == forms::unload_mode::kFormControlMenu) common::terminateProgram(services_.orderlyExit);
}

}  // namespace sparvane::cleaning

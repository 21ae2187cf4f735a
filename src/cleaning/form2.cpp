#include "cleaning/form2.h"

#include "cleaning/folder_sweep.h"
#include "cleaning/path_helpers.h"
#include "cleaning/shell_folder_path.h"
#include "cleaning/size_display.h"
#include "forms/application.h"

namespace sparvane::cleaning {

namespace {
// The caption Command4 and Command6 test for. The size display never shows it, so both
// always find that the system needs cleaning. Kept so: the window never stays on screen,
// its two verdict buttons are not on the user's way, and they answer what they always did.
constexpr std::string_view kNothingToClean = "0 Kbs of folders/files";
}  // namespace

Form2::Form2(forms::Application& app, const Services& services)
    : forms::Form(app, "Form2"),
      tmrtest(add<forms::Timer>("tmrtest")),
      Command2(add<forms::CommandButton>("Command2")),
      Command8(add<forms::CommandButton>("Command8")),
      Command1(add<forms::CommandButton>("Command1")),
      Command3(add<forms::CommandButton>("Command3")),
      Command4(add<forms::CommandButton>("Command4")),
      Command6(add<forms::CommandButton>("Command6")),
      Command5(add<forms::CommandButton>("Command5")),
      Command7(add<forms::CommandButton>("Command7")),
      Label4(add<forms::Label>("Label4")),
      services_(services) {
    setCaption("Form2");
    setStartUpPosition(forms::StartUpPosition::CenterScreen);
    setClientSizeTwips(450, 210);
    layOut();
    wireHandlers();
}

void Form2::layOut() {
    // The window never stays on screen, so its controls keep their designed places even
    // though most of them lie outside its small client area.
    struct Placed {
        forms::CommandButton& button;
        const char* caption;
        double left, top;
    };
    const Placed buttons[] = {
        {Command2, "View", 120, 1200},      {Command8, "Command8", 1320, 1200}, {Command1, "Empty", 120, 1680},
        {Command3, "Path", 1320, 1680},     {Command4, "Command4", 2520, 1200}, {Command6, "Command6", 2520, 1680},
        {Command5, "Command5", 3720, 1200}, {Command7, "Command7", 3720, 1680},
    };
    for (const auto& b : buttons) {
        b.button.setCaption(b.caption);
        b.button.setBoundsTwips(b.left, b.top, 1095, 375);
    }
    Label4.setCaption("Label4");
    Label4.setBoundsTwips(120, 720, 2415, 255);
    tmrtest.setInterval(1000);
}

void Form2::wireHandlers() {
    tmrtest.onTimer = [this] { tmrtest_Timer(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command6.onClick = [this] { Command6_Click(); };
    Command7.onClick = [this] { Command7_Click(); };
    Command8.onClick = [this] { Command8_Click(); };
}

void Form2::onActivate() {
    // Every activation hides the window again, then refreshes the size and the colour. The
    // hide is requested twice, as the network window does at start-up: the second changes
    // nothing, and the window's sequence of changes stays the one it has always been.
    hide();
    hide();
    Command2.setValue(true);
    Command8.setValue(true);
}

void Form2::tmrtest_Timer() {
    ++ticks_;
    if (ticks_ < 20) return;
    ticks_ = 0;
    Command2.setValue(true);
    Command8.setValue(true);
}

std::optional<std::string> Form2::freshRecentFolder() {
    const std::string path = GetSpecialFolderPath(services_.fileSystem, services_.widget, platform::kCsidlRecent);
    if (path.empty()) return std::nullopt;
    const auto attributes = services_.fileSystem.attributes(path);
    if (!attributes || (*attributes & platform::file_attribute::kDirectory) == 0) return std::nullopt;
    return path;
}

std::optional<std::string> Form2::openRecentFolder() {
    if (auto fresh = freshRecentFolder()) recentFolder_ = std::move(fresh);
    return recentFolder_;
}

std::string Form2::kilobytesText(std::uint64_t bytes) {
    return FormatKilobytes(bytes, services_.locale.thousandsSeparator());
}

void Form2::setWidgetFrame(forms::Color color) { services_.widget.setFrameColor(color); }

void Form2::Command2_Click() {
    const auto folder = openRecentFolder();
    if (!folder) {
        // Nothing was ever measured: show nothing to clean rather than the design caption.
        Label4.setCaption("0");
        return;
    }
    // A folder that cannot be measured now keeps the last size shown.
    if (const auto size = services_.fileSystem.folderSize(*folder)) Label4.setCaption(kilobytesText(*size));
}

void Form2::Command8_Click() {
    const std::uint64_t shown = ReadShownNumber(Label4.caption(), services_.locale.thousandsSeparator());
    setWidgetFrame(shown > kJunkLimitKb ? kFrameDarkRed : kFrameGreen);
}

void Form2::Command1_Click() {
    // Only the Recent folder as the shell names it now is emptied, never one remembered
    // from an earlier measurement.
    const auto folder = freshRecentFolder();
    auto& fs = services_.fileSystem;
    const auto listing = folder ? fs.listFolder(*folder) : std::nullopt;
    if (!folder || !listing || AddTrailingSeparator(*folder).find('\\', 3) == std::string::npos) {
        app().msgBox("Make sure you have selected a folder", forms::msgbox::kOkOnly, "error");
        return;
    }
    recentFolder_ = folder;
    if (listing->empty()) return;  // nothing to empty

    setWidgetFrame(kFrameGreen);
    forms::Application::BusyCursor busy(app());
    // The program's own sweep rather than the shell's file operation: the shell's follows
    // folder links and would delete what they point at, outside the Recent folder.
    DeleteFolderContents(fs, {app(), services_.clock, services_.orderlyExit}, *folder);
    if (const auto size = fs.folderSize(*folder)) Label4.setCaption(kilobytesText(*size) + " Kbs left");
}

void Form2::Command3_Click() {
    const auto folder = openRecentFolder();
    if (!folder) return;
    app().msgBox(*folder + "\r\n", forms::msgbox::kInformation, "Your paths");
}

void Form2::Command4_Click() {
    app().msgBox(Label4.caption() == kNothingToClean ? "System OK" : "System needs cleaning", forms::msgbox::kOkOnly);
}

void Form2::Command6_Click() { setWidgetFrame(Label4.caption() == kNothingToClean ? kFrameGreen : kFrameDarkRed); }

void Form2::Command7_Click() { services_.widget.show(); }

}  // namespace sparvane::cleaning

#pragma once
// Form2: the folder clean-up window. It measures the Recent folder, shows the size in
// kilobytes and colours the widget's frame from it: green up to 35 KB, dark red above. It
// never stays on screen.
#include <cstdint>
#include <optional>
#include <string>

#include "cleaning/event_pacer.h"
#include "forms/form.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "seams/widget.h"

namespace sparvane::cleaning {

class Form2 : public forms::Form {
public:
    // What the window works with: the Recent folder on disk, the separators its sizes are
    // written with, the pacing of the sweep that empties it, and the widget it colours.
    struct Services {
        platform::FileSystem& fileSystem;
        platform::Locale& locale;
        platform::Clock& clock;
        const common::OrderlyExit& orderlyExit;
        shell::Widget& widget;
    };
    Form2(forms::Application& app, const Services& services);

    forms::Timer& tmrtest;           // 1000 ms; every 20th tick measures and recolours
    forms::CommandButton& Command2;  // "View": measure the Recent folder into Label4
    forms::CommandButton& Command8;  // colour the widget's frame from Label4
    forms::CommandButton& Command1;  // "Empty": delete the Recent folder's contents
    forms::CommandButton& Command3;  // "Path": show the Recent folder's path
    forms::CommandButton& Command4;  // report whether the system needs cleaning
    forms::CommandButton& Command6;  // colour the frame from Label4's exact text
    forms::CommandButton& Command5;  // does nothing
    forms::CommandButton& Command7;  // show the widget
    forms::Label& Label4;            // the size in kilobytes

    // The widget frame's colours (0x00BBGGRR): green while the junk is small, dark red above.
    static constexpr forms::Color kFrameGreen = 32768;
    static constexpr forms::Color kFrameDarkRed = 192;
    // Above this many kilobytes the Recent folder counts as junk.
    static constexpr std::uint64_t kJunkLimitKb = 35;

    void onActivate() override;

    void tmrtest_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click() {}
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

private:
    void layOut();
    void wireHandlers();
    // Opens the Recent folder afresh. When it cannot be opened the folder opened last
    // stays in use; nullopt when none was ever opened.
    std::optional<std::string> openRecentFolder();
    std::optional<std::string> freshRecentFolder();
    std::string kilobytesText(std::uint64_t bytes);
    void setWidgetFrame(forms::Color color);

    Services services_;
    std::optional<std::string> recentFolder_;
    std::int16_t ticks_ = 0;
};

}  // namespace sparvane::cleaning

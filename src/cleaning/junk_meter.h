#pragma once
// The junk meter: the size of the user's Recent folder in whole kilobytes, the text that shows
// it, and the verdict the widget's frame is coloured by: junk above 35 KB.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cleaning/event_pacer.h"
#include "cleaning/watched.h"
#include "forms/types.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "seams/widget.h"

namespace sparvane::cleaning {

class JunkMeter : public Watched {
public:
    // The Recent folder on disk (looked up with the widget as owner), the separators sizes are
    // written with, and the pacing of the sweep that empties the folder.
    struct Services {
        platform::FileSystem& fileSystem;
        platform::Locale& locale;
        shell::Widget& widget;
        EventPacing pacing;
    };
    explicit JunkMeter(const Services& services) : services_(services) {}

    // The widget frame's colours (0x00BBGGRR): green while the junk is small, dark red above.
    static constexpr forms::Color kFrameGreen = 32768;
    static constexpr forms::Color kFrameDarkRed = 192;
    // Above this many kilobytes, as shown, the Recent folder counts as junk.
    static constexpr std::uint64_t kJunkLimitKb = 35;

    // Measures the Recent folder. When it cannot be opened the folder opened last is measured
    // again; when none was ever opened the meter shows 0. A folder that cannot be measured
    // now keeps the last size shown.
    void measure();
    // The Recent folder opened afresh, or the one opened last when that fails; nullopt when
    // none was ever opened.
    [[nodiscard]] std::optional<std::string> openFolder();

    // The Recent folder as the shell names it now, when it can be emptied: it can be listed
    // and is no drive root. From then on it is the folder opened last.
    struct Emptiable {
        std::string folder;
        bool holdsEntries;
    };
    [[nodiscard]] std::optional<Emptiable> findFolderToEmpty();
    // Deletes what the folder holds and shows the size left ("12 Kbs left").
    void empty(const Emptiable& target);

    // The text the meter shows; nullopt until it first shows one.
    [[nodiscard]] const std::optional<std::string>& shownText() const { return shownText_; }
    // Junk when the shown whole kilobytes exceed the limit; not before anything was shown.
    [[nodiscard]] bool junk() const { return shownKilobytes_ > kJunkLimitKb; }
    [[nodiscard]] forms::Color frameColour() const { return junk() ? kFrameDarkRed : kFrameGreen; }
    // The rule of the window's two exact verdict buttons: clean only while the meter shows
    // "0 Kbs of folders/files". It never shows that text (a size, "0" included, is shown), so
    // by this rule the system always needs cleaning. Kept so: the buttons are not on the
    // user's way, and they answer what they always did.
    [[nodiscard]] bool exactlyClean() const { return shownText_ == kNothingToClean; }

private:
    static constexpr const char* kNothingToClean = "0 Kbs of folders/files";

    std::optional<std::string> freshFolder();
    void show(std::uint64_t bytes, std::string_view suffix);

    Services services_;
    std::optional<std::string> folder_;  // the folder opened last
    std::uint64_t shownKilobytes_ = 0;
    std::optional<std::string> shownText_;
};

}  // namespace sparvane::cleaning

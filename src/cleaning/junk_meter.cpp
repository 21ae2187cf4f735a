#include "cleaning/junk_meter.h"

#include "cleaning/folder_sweep.h"
#include "cleaning/path_helpers.h"
#include "cleaning/shell_folder_path.h"
#include "cleaning/size_display.h"

namespace sparvane::cleaning {

void JunkMeter::measure() {
    if (const auto folder = openFolder()) {
        if (const auto size = services_.fileSystem.folderSize(*folder)) show(*size, "");
    } else {
        show(0, "");  // nothing was ever opened: nothing to clean, rather than no text at all
    }
    // Told even when nothing changed: a window loaded since the last measurement shows it.
    changed();
}

std::optional<std::string> JunkMeter::openFolder() {
    if (auto fresh = freshFolder()) folder_ = std::move(fresh);
    return folder_;
}

std::optional<std::string> JunkMeter::freshFolder() {
    auto& fs = services_.fileSystem;
    const std::string path = getSpecialFolderPath(fs, services_.widget, platform::kCsidlRecent);
    if (path.empty()) return std::nullopt;
    const auto attributes = fs.attributes(path);
    if (!attributes || (*attributes & platform::file_attribute::kDirectory) == 0) return std::nullopt;
    return path;
}

std::optional<JunkMeter::Emptiable> JunkMeter::findFolderToEmpty() {
    // Only the Recent folder as the shell names it now is emptied, never one remembered from
    // an earlier measurement.
    const auto folder = freshFolder();
    const auto listing = folder ? services_.fileSystem.listFolder(*folder) : std::nullopt;
    if (!listing || addTrailingSeparator(*folder).find('\\', 3) == std::string::npos) return std::nullopt;
    folder_ = folder;
    return Emptiable{*folder, !listing->empty()};
}

void JunkMeter::empty(const Emptiable& target) {
    // The program's own sweep rather than the shell's file operation: the shell's follows
    // folder links and would delete what they point at, outside the Recent folder.
    deleteFolderContents(services_.fileSystem, services_.pacing, target.folder);
    if (const auto size = services_.fileSystem.folderSize(target.folder)) show(*size, " Kbs left");
    changed();
}

void JunkMeter::show(std::uint64_t bytes, std::string_view suffix) {
    shownKilobytes_ = wholeKilobytes(bytes);
    std::string text = formatKilobytes(bytes, services_.locale.thousandsSeparator());
    text.append(suffix);
    shownText_ = std::move(text);
}

}  // namespace sparvane::cleaning

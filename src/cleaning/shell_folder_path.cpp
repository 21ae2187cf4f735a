#include "cleaning/shell_folder_path.h"

namespace sparvane::cleaning {

std::string getSpecialFolderPath(platform::FileSystem& fs, shell::Widget& widget, int csidl) {
    const platform::WindowHandle owner = widget.ownerWindow();
    const auto path = fs.specialFolderPath(owner, csidl);
    if (!path) return {};
    // The shell hands over a NUL-terminated buffer: only the text before the first NUL counts.
    return path->substr(0, path->find('\0'));
}

}  // namespace sparvane::cleaning

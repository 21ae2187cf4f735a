#include "cleaning/shell_folder_path.h"

#include "shell/form1.h"

namespace sparvane::cleaning {

std::string GetSpecialFolderPath(Context& ctx, int csidl) {
    const forms::WindowHandle owner = ctx.app.form<shell::Form1>().hWnd();
    const auto path = ctx.services.fileSystem.specialFolderPath(owner, csidl);
    if (!path) return {};
    // The shell hands over a NUL-terminated buffer: only the text before the first NUL counts.
    return path->substr(0, path->find('\0'));
}

}  // namespace sparvane::cleaning

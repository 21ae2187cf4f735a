// Entry point of sparvane-driver.exe: picks the command and runs it.
#include "driver.h"

#include <exception>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>

namespace {

struct Command {
    const wchar_t* name;
    int (*run)(const driver::Args&);
    size_t min_args, max_args;
    const char* usage;
};

const Command kCommands[] = {
    {L"windows", driver::cmd_windows, 0, 0, "windows"},
    {L"controls", driver::cmd_controls, 1, 1, "controls FORM"},
    {L"wait-window", driver::cmd_wait_window, 2, 3, "wait-window FORM exists|visible|hidden|gone [TIMEOUT_MS]"},
    {L"text", driver::cmd_text, 1, 2, "text FORM [CONTROL]"},
    {L"pos", driver::cmd_pos, 2, 2, "pos FORM CONTROL"},
    {L"figure", driver::cmd_figure, 3, 3, "figure FORM LABEL BAR (label text and bar position, read together)"},
    {L"watch-figure", driver::cmd_watch_figure, 5, 5, "watch-figure FORM LABEL BAR MS COUNT (COUNT reads, MS apart)"},
    {L"rect", driver::cmd_rect, 1, 2, "rect FORM [CONTROL]"},
    {L"region", driver::cmd_region, 1, 1, "region FORM"},
    {L"style", driver::cmd_style, 1, 2, "style FORM [CONTROL]"},
    {L"click", driver::cmd_click, 2, 2, "click FORM CONTROL"},
    {L"dblclick", driver::cmd_dblclick, 1, 2, "dblclick FORM [CONTROL]"},
    {L"close", driver::cmd_close, 1, 1, "close FORM"},
    {L"text-fit", driver::cmd_text_fit, 4, 4,
     "text-fit FORM LABEL FONT POINTS (the label's text measured against its size)"},
    {L"focus", driver::cmd_focus, 1, 1,
     "focus FORM (name of the window with the keyboard focus in its thread, or none)"},
    {L"msgbox", driver::cmd_msgbox, 0, 1, "msgbox [TIMEOUT_MS]"},
    {L"answer", driver::cmd_answer, 1, 2, "answer OK|Cancel|Yes|No|Abort|Retry|Ignore [TIMEOUT_MS]"},
    {L"pixel", driver::cmd_pixel, 2, 2, "pixel X Y"},
    {L"tray-count", driver::cmd_tray_count, 0, 0, "tray-count"},
    {L"tray-tips", driver::cmd_tray_tips, 0, 0, "tray-tips (one line per shown icon)"},
    {L"list-count", driver::cmd_list_count, 2, 2, "list-count FORM CONTROL"},
    {L"place", driver::cmd_place, 5, 5, "place FORM LEFT TOP WIDTH HEIGHT (shows it, no activation)"},
    {L"inside", driver::cmd_inside, 1, 1,
     "inside FORM (each control's screen rect against the client area's; fails if one lies outside)"},
    {L"display-mode", driver::cmd_display_mode, 2, 2, "display-mode WIDTH HEIGHT (changes the screen resolution)"},
    {L"display", driver::cmd_display, 0, 0, "display (screen size, work area, primary monitor and its work area)"},
    {L"gui-resources", driver::cmd_gui_resources, 1, 1,
     "gui-resources FORM (GDI/USER objects, windows, memory of its process)"},
    {L"tray-point", driver::cmd_tray_point, 0, 0, "tray-point (X Y, screen centre of the program's tray icon)"},
    {L"tray-forget", driver::cmd_tray_forget, 0, 0, "tray-forget (takes the icon away, as an Explorer restart does)"},
    {L"taskbar-created", driver::cmd_taskbar_created, 0, 0, "taskbar-created (broadcasts \"TaskbarCreated\")"},
    {L"menu", driver::cmd_menu, 0, 1, "menu [TIMEOUT_MS] (the open pop-up menu's entries, one per line)"},
    {L"foreground", driver::cmd_foreground, 0, 0, "foreground (name or title of the foreground window)"},
    {L"zorder", driver::cmd_zorder, 0, 0, "zorder (visible top-level windows, front first)"},
    {L"cover", driver::cmd_cover, 1, 1, "cover SECONDS (another program's window in front, for SECONDS)"},
    {L"latency", driver::cmd_latency, 2, 3, "latency FORM MAX_MS [STOP_FILE] (longest wait for the window to answer)"},
};

void usage() {
    driver::err("usage: sparvane-driver COMMAND [ARGS]");
    for (const auto& c : kCommands) driver::err(std::string("  ") + c.usage);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Binary streams: text mode would end every line with "\r\n", and the shell keeps the "\r".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (argc < 2) {
        usage();
        return 1;
    }
    driver::Args args(argv + 2, argv + argc);
    for (const auto& c : kCommands) {
        if (std::wcscmp(argv[1], c.name) != 0) continue;
        if (args.size() < c.min_args || args.size() > c.max_args) {
            driver::err(std::string("usage: sparvane-driver ") + c.usage);
            return 1;
        }
        // A C++ exception would otherwise end the driver without a word under Wine (no crash
        // dialog in the test prefix), and the scenario could not tell why a step failed.
        try {
            const int status = c.run(args);
            std::fflush(stdout);
            return status;
        } catch (const std::exception& e) {
            driver::err(std::string("driver error: ") + e.what());
            return 1;
        }
    }
    driver::err("unknown command: " + driver::utf8(argv[1]));
    usage();
    return 1;
}

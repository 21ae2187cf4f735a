#include "shell/power_actions.h"

namespace sparvane::shell {

void enableShutdownPrivilege(platform::Token& token) {
    // Not opened: nothing to adjust and nothing to close; the request still goes out.
    const platform::ScopedToken process(token, platform::kTokenAdjustPrivileges | platform::kTokenQuery);
    if (!process.isOpen()) return;
    // Neither an unknown name nor a refusal is reported: Windows then refuses the request
    // itself, which is the outcome the user sees either way.
    (void)platform::setPrivilege(process, "SeShutdownPrivilege", true);
}

std::int16_t shutdownWindowsOS(platform::Token& token, platform::Session& session, std::int32_t shutdownType) {
    enableShutdownPrivilege(token);
    return session.exitWindows(static_cast<unsigned>(shutdownType)) ? 1 : 0;
}

// Each button makes one request and asks nothing: the user chose the button. A forced
// log-off after it would throw away unsaved work in every other program, and would even
// turn a refused shutdown into a log-off, so none follows.
void shutDownWindows(platform::Token& token, platform::Session& session) {
    (void)shutdownWindowsOS(token, session, platform::exit_windows::kShutdown);
}

void restartWindows(platform::Token& token, platform::Session& session) {
    (void)shutdownWindowsOS(token, session, platform::exit_windows::kReboot);
}

void logOff(platform::Token& token, platform::Session& session) {
    (void)shutdownWindowsOS(token, session, platform::exit_windows::kLogOff);
}

}  // namespace sparvane::shell

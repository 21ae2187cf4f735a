#include "shell/power_actions.h"

namespace sparvane::shell {

void EnableShutdownPrivilege(platform::Token& token) {
    const auto handle = token.openProcessToken(platform::kTokenAdjustPrivileges | platform::kTokenQuery);
    if (!handle) return;  // nothing to adjust and nothing to close; the request still goes out
    // Without the privilege's identifier there is nothing sensible to enable: an adjustment
    // with an empty identifier would only fail. The token is released either way.
    if (const auto luid = token.lookupPrivilegeValue("SeShutdownPrivilege")) {
        platform::TokenPrivileges state;
        state.privilegeCount = 1;
        state.luid = *luid;
        state.attributes = platform::kSePrivilegeEnabled;
        // A refusal is not reported: Windows then refuses the request itself, which is the
        // outcome the user sees either way.
        (void)token.adjustTokenPrivileges(*handle, false, state);
    }
    token.closeHandle(*handle);
}

std::int16_t shutdownWindowsOS(platform::Token& token, platform::Session& session, std::int32_t shutdownType) {
    EnableShutdownPrivilege(token);
    return session.exitWindows(static_cast<unsigned>(shutdownType)) ? 1 : 0;
}

// Each button makes one request and asks nothing: the user chose the button. A forced
// log-off after it would throw away unsaved work in every other program, and would even
// turn a refused shutdown into a log-off, so none follows.
void shutdownButton(platform::Token& token, platform::Session& session) {
    (void)shutdownWindowsOS(token, session, platform::exit_windows::kShutdown);
}

void restartButton(platform::Token& token, platform::Session& session) {
    (void)shutdownWindowsOS(token, session, platform::exit_windows::kReboot);
}

void logOffButton(platform::Token& token, platform::Session& session) {
    (void)shutdownWindowsOS(token, session, platform::exit_windows::kLogOff);
}

}  // namespace sparvane::shell

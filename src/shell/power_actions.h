#pragma once
// The widget's Shutdown, Restart and Log Off buttons.
#include <cstdint>

#include "platform/session.h"

namespace sparvane::shell {

// Enables the shutdown privilege of the process token (the token handle is released).
void enableShutdownPrivilege(platform::Token& token);
// Enables the privilege, then asks Windows to end the session; nonzero when accepted.
std::int16_t shutdownWindowsOS(platform::Token& token, platform::Session& session, std::int32_t shutdownType);

// One request per button: shut down, restart or log off.
void shutDownWindows(platform::Token& token, platform::Session& session);
void restartWindows(platform::Token& token, platform::Session& session);
void logOff(platform::Token& token, platform::Session& session);

}  // namespace sparvane::shell

#include "shell/power_actions.h"

namespace sparvane::shell {

void EnableShutdownPrivilege(platform::Token&) {}
std::int16_t shutdownWindowsOS(platform::Token&, platform::Session&, std::int32_t) { return 0; }
void shutdownButton(Context&) {}
void restartButton(Context&) {}
void logOffButton(Context&) {}

}  // namespace sparvane::shell

#pragma once
// The widget's two auto-start boxes: they write the program's value in the machine-wide
// Run key through the system's reg.exe.
#include <string>

#include "forms/application.h"
#include "platform/session.h"

namespace sparvane::shell {

void switchAutoStartOn(forms::Application& app, platform::Processes& processes);   // Picture1
void switchAutoStartOff(forms::Application& app, platform::Processes& processes);  // Picture2

// How long the boxes wait for reg.exe before giving up on it.
constexpr unsigned kRegToolTimeoutMs = 15000;

// One argument quoted so that the command-line parser of a C runtime program
// (CommandLineToArgvW rules) hands it back unchanged, quotes and backslashes included.
std::string quoteArgument(const std::string& argument);

// The reg.exe command line that stores `data` as the program's Run value (REG_SZ, forced).
std::string autoStartCommandLine(const std::string& data);

}  // namespace sparvane::shell

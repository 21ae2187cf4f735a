#include "shell/auto_start.h"

#include "forms/types.h"

namespace sparvane::shell {

namespace {

constexpr const char* kRunKey = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kValueName = "Sparvane";

// Asks the question; on OK runs reg.exe and tells the user what came of it.
void switchAutoStart(forms::Application& app, platform::Processes& processes, const std::string& question,
                     const std::string& data, const std::string& report) {
    if (app.msgBox(question, forms::msgbox::kOkCancel | forms::msgbox::kQuestion) != forms::msgbox::kAnswerOk) return;
    // Waiting (bounded) for the tool is what lets the report be true: the machine-wide key
    // needs administrator rights, and without them reg.exe fails with code 1.
    // reg.exe may take seconds: the widget keeps painting and ticking meanwhile, under the
    // wait cursor. Clicks on the boxes in that time are turned away by the widget.
    platform::RunResult run;
    {
        forms::Application::BusyCursor busy(app);
        run = processes.runAndWait(autoStartCommandLine(data), kRegToolTimeoutMs, [&app] { app.doEvents(); });
    }
    if (run.started && !run.timedOut && run.exitCode == 0) {
        app.msgBox(report, forms::msgbox::kInformation);
        return;
    }
    std::string reason;
    if (!run.started)
        reason = "The registry tool reg.exe could not be started.";
    else if (run.timedOut)
        reason = "The registry tool reg.exe did not finish within " + std::to_string(kRegToolTimeoutMs / 1000) +
                 " seconds and was stopped.";
    else
        reason = "The registry tool reg.exe failed with code " + std::to_string(run.exitCode) +
                 ". Writing the machine-wide start-up list needs administrator rights.";
    app.msgBox("Auto-start could not be changed.\r\n\r\n" + reason, forms::msgbox::kExclamation);
}

}  // namespace

std::string quoteArgument(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count as escapes only in front of a quote: there they are doubled,
        // and the quote itself gets one more.
        if (c == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    // The closing quote follows: trailing backslashes must not escape it.
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

std::string autoStartCommandLine(const std::string& data) {
    return std::string("REG add ") + kRunKey + " /v " + kValueName + " /t REG_SZ /d " + quoteArgument(data) + " /f";
}

// The stored command is the program's real path in quotes, so that Windows starts this very
// file at logon even when its folder name has spaces.
void switchAutoStartOn(forms::Application& app, platform::Processes& processes) {
    switchAutoStart(app, processes, "Run on windows startup", "\"" + app.info().exePath + "\"",
                    "Sparvane will now auto start on windows logon");
}

// Switching off keeps the value and empties it, as the program has always done.
void switchAutoStartOff(forms::Application& app, platform::Processes& processes) {
    switchAutoStart(app, processes, "Stop running on windows startup?", "", "Sparvane will not run on windows startup");
}

}  // namespace sparvane::shell

#include "shell/auto_start.h"

#include <cstdint>
#include <string>

#include "forms/types.h"

namespace sparvane::shell {

namespace {

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kValueName = "Sparvane";

bool confirmed(forms::Application& app, const std::string& question) {
    return app.msgBox(question, forms::msgbox::kOkCancel | forms::msgbox::kQuestion) == forms::msgbox::kAnswerOk;
}

// The report once the user's value is as asked; otherwise what the registry answered, so the
// user knows nothing changed. `change` says what was attempted: "written" or "deleted".
void report(forms::Application& app, std::uint32_t error, const char* change, const std::string& done) {
    if (error == platform::kRegistryOk) {
        app.msgBox(done, forms::msgbox::kInformation);
        return;
    }
    std::string reason = std::string("The value ") + kValueName + " under HKEY_CURRENT_USER\\" + kRunKey +
                         " could not be " + change + ": ";
    reason += error == platform::kRegistryAccessDenied ? "access is denied (Windows error 5)."
                                                       : "Windows error " + std::to_string(error) + ".";
    app.msgBox("Auto-start could not be changed.\r\n\r\n" + reason, forms::msgbox::kExclamation);
}

}  // namespace

// The stored command is the program's real path in quotes, so that Windows starts this very
// file at logon even when its folder name has spaces. The value is the current user's: a
// machine-wide one would need administrator rights, and would run whatever sits at that
// path for every user who logs on.
void switchAutoStartOn(forms::Application& app, platform::Registry& registry) {
    if (!confirmed(app, "Run on windows startup")) return;
    const std::uint32_t error =
        registry.setString(platform::RegistryRoot::kCurrentUser, kRunKey, kValueName, "\"" + app.info().exePath + "\"");
    report(app, error, "written", "Sparvane will now auto start on windows logon");
}

// Older versions wrote the value machine-wide. It goes too where the user may delete it;
// without administrator rights that is refused, which does not fail the user's own switch.
void switchAutoStartOff(forms::Application& app, platform::Registry& registry) {
    if (!confirmed(app, "Stop running on windows startup?")) return;
    const std::uint32_t error = registry.deleteValue(platform::RegistryRoot::kCurrentUser, kRunKey, kValueName);
    (void)registry.deleteValue(platform::RegistryRoot::kLocalMachine, kRunKey, kValueName);
    report(app, error, "deleted", "Sparvane will not run on windows startup");
}

}  // namespace sparvane::shell

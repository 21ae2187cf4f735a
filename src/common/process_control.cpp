#include "common/process_control.h"

#include <algorithm>

#include "common/messages.h"
#include "forms/control.h"

namespace sparvane::common {

namespace {

constexpr const char* kSource = "modMain.AdjustPrivileges";

bool isLoaded(const forms::Application& app, const forms::Form* form) {
    const auto loaded = app.forms();
    return std::find(loaded.begin(), loaded.end(), form) != loaded.end();
}

std::string trimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

void TerminateProgram(OrderlyExit& orderlyExit) {
    // A form's unload handler that asks for the exit while we unload is already served.
    if (orderlyExit.terminating) return;
    orderlyExit.terminating = true;
    // The program keeps no files open between events, so there is nothing to close first.
    (void)AdjustPrivileges(orderlyExit.app, orderlyExit.token, orderlyExit.systemErrors, false, "SeDebugPrivilege");
    UnloadAllForms(orderlyExit.app);
    // A normal end: status 0, whatever the exit-code query would have answered.
    orderlyExit.processes.exitProcess(0);
}

void UnloadAllForms(forms::Application& app) {
    for (forms::Form* form : app.forms()) {
        // An earlier form's handlers may have unloaded this one already.
        if (!isLoaded(app, form)) continue;
        form->hide();
        for (const auto& control : form->controls()) {
            if (control->type() != forms::ControlType::Timer) continue;
            auto& timer = static_cast<forms::Timer&>(*control);
            timer.setInterval(0);
            timer.setTimerEnabled(false);
        }
        (void)form->unload();
    }
}

bool AdjustPrivileges(forms::Application& app, platform::Token& token, platform::SystemErrors& errors, bool enable,
                      const std::string& privilege) {
    if (trimBlanks(privilege).empty()) {
        InfoMsg(app, ErrorReport("Cannot identify type of privilege to use.", kSource));
        return false;
    }
    const platform::ScopedToken process(token, platform::kTokenAdjustPrivileges | platform::kTokenQuery);
    if (!process.isOpen()) {
        const std::uint32_t code = token.lastError();
        InfoMsg(app, ErrorReport("Cannot determine current process. ", SystemErrorText(errors, code), kSource));
        return false;
    }
    const platform::PrivilegeChange change = platform::SetPrivilege(process, privilege, enable);
    if (change == platform::PrivilegeChange::kUnknownPrivilege) {
        const std::uint32_t code = token.lastError();
        InfoMsg(app, ErrorReport("Cannot find \"" + privilege + "\" privilege value. ", SystemErrorText(errors, code),
                                 kSource));
        return false;
    }
    const bool accepted = change == platform::PrivilegeChange::kApplied;
    if (!accepted && enable) {
        InfoMsg(app, ErrorReport("Failed to elevate user privileges.  This\r\napplication may not function as desired.",
                                 kSource));
    }
    return accepted;
}

}  // namespace sparvane::common

#pragma once
// The process token, the session and the process itself, as state that tests set and read.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/session.h"

namespace fakes {

class FakeToken : public platform::Token {
public:
    std::map<std::string, platform::Luid> privileges{{"SeShutdownPrivilege", {19, 0}}, {"SeDebugPrivilege", {20, 0}}};
    bool failOpen = false;
    bool failAdjust = false;
    std::uint32_t openError = 5;
    std::uint32_t lookupError = 1313;
    std::uint32_t adjustError = 5;
    std::map<std::uint32_t, bool> enabled;  // by LUID low part
    int openHandles = 0;
    std::vector<std::string> calls;                         // "open", "lookup:<name>", "adjust", "close"
    std::vector<unsigned> openAccess;                       // access mask of each open
    std::vector<platform::TokenPrivileges> adjustedStates;  // state handed to each adjust
    std::vector<bool> adjustDisableAll;                     // the disable-all flag of each adjust
    std::vector<platform::TokenHandle> adjustedHandles, closedHandles;

    // Whether a privilege is enabled now (false when unknown or never enabled).
    bool isEnabled(const std::string& name) const {
        auto p = privileges.find(name);
        if (p == privileges.end()) return false;
        auto e = enabled.find(p->second.lowPart);
        return e != enabled.end() && e->second;
    }

    std::optional<platform::TokenHandle> openProcessToken(unsigned access) override {
        calls.push_back("open");
        openAccess.push_back(access);
        if (failOpen) {
            lastError_ = openError;
            return std::nullopt;
        }
        ++openHandles;
        return 0x7000 + static_cast<platform::TokenHandle>(openHandles);
    }
    std::optional<platform::Luid> lookupPrivilegeValue(const std::string& name) override {
        calls.push_back("lookup:" + name);
        auto it = privileges.find(name);
        if (it == privileges.end()) {
            lastError_ = lookupError;
            return std::nullopt;
        }
        return it->second;
    }
    bool adjustTokenPrivileges(platform::TokenHandle h, bool disableAll, const platform::TokenPrivileges& s) override {
        calls.push_back("adjust");
        adjustedHandles.push_back(h);
        adjustDisableAll.push_back(disableAll);
        adjustedStates.push_back(s);
        if (failAdjust) {
            lastError_ = adjustError;
            return false;
        }
        enabled[s.luid.lowPart] = (s.attributes & platform::kSePrivilegeEnabled) != 0;
        return true;
    }
    void closeHandle(platform::TokenHandle h) override {
        calls.push_back("close");
        closedHandles.push_back(h);
        --openHandles;
    }
    std::uint32_t lastError() override { return lastError_; }

private:
    std::uint32_t lastError_ = 0;
};

class FakeSession : public platform::Session {
public:
    std::vector<unsigned> requests;  // every ExitWindowsEx flag value, in order
    bool accept = true;
    // Set by a test so each request records whether the shutdown privilege was enabled
    // at that moment, and how many token calls had been made before it.
    std::vector<bool> privilegeEnabledAtRequest;
    std::vector<std::size_t> tokenCallsAtRequest;
    FakeToken* token = nullptr;
    bool exitWindows(unsigned flags) override {
        requests.push_back(flags);
        if (token) {
            privilegeEnabledAtRequest.push_back(token->isEnabled("SeShutdownPrivilege"));
            tokenCallsAtRequest.push_back(token->calls.size());
        }
        return accept;
    }
};

class FakeProcesses : public platform::Processes {
public:
    std::vector<std::uint32_t> exitStatuses;
    void exitProcess(std::uint32_t status) override { exitStatuses.push_back(status); }
};

}  // namespace fakes

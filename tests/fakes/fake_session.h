#pragma once
// The process token, the session and child processes, as state that tests set and read.
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
    std::vector<std::string> calls;  // "open", "lookup:<name>", "adjust", "close"

    std::optional<platform::TokenHandle> openProcessToken(unsigned) override {
        calls.push_back("open");
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
    bool adjustTokenPrivileges(platform::TokenHandle, bool, const platform::TokenPrivileges& s) override {
        calls.push_back("adjust");
        if (failAdjust) {
            lastError_ = adjustError;
            return false;
        }
        enabled[s.luid.lowPart] = (s.attributes & platform::kSePrivilegeEnabled) != 0;
        return true;
    }
    void closeHandle(platform::TokenHandle) override {
        calls.push_back("close");
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
    // Set by the test world so requests can be checked against the privilege state.
    std::vector<bool> privilegeEnabledAtRequest;
    platform::Token* token = nullptr;
    bool exitWindows(unsigned flags) override {
        requests.push_back(flags);
        return accept;
    }
};

class FakeProcesses : public platform::Processes {
public:
    std::vector<std::string> commandLines;
    std::vector<unsigned> timeouts;
    platform::RunResult nextResult{true, false, 0};
    bool exitCodeQueryWorks = true;
    std::vector<std::uint32_t> exitStatuses;
    platform::RunResult runAndWait(const std::string& commandLine, unsigned timeoutMs) override {
        commandLines.push_back(commandLine);
        timeouts.push_back(timeoutMs);
        return nextResult;
    }
    bool currentExitCode(std::uint32_t& code) override {
        code = 259;  // STILL_ACTIVE
        return exitCodeQueryWorks;
    }
    void exitProcess(std::uint32_t status) override { exitStatuses.push_back(status); }
};

}  // namespace fakes

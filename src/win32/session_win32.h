#pragma once
// The process token, the Windows session and the process itself.
#include <set>

#include "platform/session.h"

namespace win32 {

// Token handles are handed to the caller as numbers (the caller closes them with
// closeHandle, as platform::ScopedToken does). The ones still open when the service goes
// away are closed then, so a caller that bails out early leaks nothing.
class TokenWin32 final : public platform::Token {
public:
    TokenWin32() = default;
    TokenWin32(const TokenWin32&) = delete;
    TokenWin32& operator=(const TokenWin32&) = delete;
    ~TokenWin32() override;

    [[nodiscard]] std::optional<platform::TokenHandle> openProcessToken(unsigned access) override;
    [[nodiscard]] std::optional<platform::Luid> lookupPrivilegeValue(const std::string& name) override;
    [[nodiscard]] bool adjustTokenPrivileges(platform::TokenHandle token, bool disableAll,
                                             const platform::TokenPrivileges& newState) override;
    void closeHandle(platform::TokenHandle token) override;
    [[nodiscard]] std::uint32_t lastError() override;

private:
    std::set<platform::TokenHandle> open_;
    std::uint32_t lastError_ = 0;
};

class SessionWin32 final : public platform::Session {
public:
    [[nodiscard]] bool exitWindows(unsigned flags) override;
};

class ProcessesWin32 final : public platform::Processes {
public:
    void exitProcess(std::uint32_t status) override;
};

}  // namespace win32

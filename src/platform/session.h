#pragma once
// The process, its token and the Windows session.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

namespace exit_windows {
constexpr unsigned kLogOff = 0;
constexpr unsigned kShutdown = 1;
constexpr unsigned kReboot = 2;
constexpr unsigned kForce = 4;
}  // namespace exit_windows

constexpr unsigned kTokenAdjustPrivileges = 0x20;
constexpr unsigned kTokenQuery = 0x8;
constexpr std::uint32_t kSePrivilegeEnabled = 2;

struct Luid {
    std::uint32_t lowPart = 0;
    std::int32_t highPart = 0;
    bool operator==(const Luid&) const = default;
};

// TOKEN_PRIVILEGES with one entry (16 bytes as handed to the system).
struct TokenPrivileges {
    std::uint32_t privilegeCount = 1;
    Luid luid;
    std::uint32_t attributes = 0;
};

using TokenHandle = std::uintptr_t;

class Token {
public:
    virtual ~Token() = default;
    // OpenProcessToken on the current process; nullopt on failure (see lastError).
    [[nodiscard]] virtual std::optional<TokenHandle> openProcessToken(unsigned access) = 0;
    // LookupPrivilegeValue on the local system; nullopt on failure (see lastError).
    [[nodiscard]] virtual std::optional<Luid> lookupPrivilegeValue(const std::string& name) = 0;
    // AdjustTokenPrivileges with the given state and length 16; true when the call succeeded.
    [[nodiscard]] virtual bool adjustTokenPrivileges(TokenHandle token, bool disableAll,
                                                     const TokenPrivileges& newState) = 0;
    virtual void closeHandle(TokenHandle token) = 0;
    // GetLastError right after a failed call.
    [[nodiscard]] virtual std::uint32_t lastError() = 0;
};

// An open token of the current process that closes itself on every way out of the routine
// that opened it. Opening can fail (then it is empty, and the service's lastError says why);
// an empty one closes nothing.
class ScopedToken {
public:
    ScopedToken(Token& token, unsigned access) : token_(token), handle_(token.openProcessToken(access)) {}
    ~ScopedToken() {
        if (handle_) token_.closeHandle(*handle_);
    }
    ScopedToken(const ScopedToken&) = delete;
    ScopedToken& operator=(const ScopedToken&) = delete;

    [[nodiscard]] bool isOpen() const { return handle_.has_value(); }
    [[nodiscard]] TokenHandle handle() const { return *handle_; }
    [[nodiscard]] Token& service() const { return token_; }

private:
    Token& token_;
    std::optional<TokenHandle> handle_;
};

enum class PrivilegeChange {
    kApplied,           // the system accepted the new state
    kUnknownPrivilege,  // no identifier for the name (the service's lastError says why)
    kRefused,           // the system refused the adjustment
};

// Switches one named privilege of an open token on or off. Without the privilege's
// identifier nothing is adjusted: an adjustment with an empty identifier could only fail.
// The state has one entry; switched off it carries no attribute, which leaves the privilege
// disabled. Only the call's own answer counts; "not all assigned" is not examined.
[[nodiscard]] inline PrivilegeChange setPrivilege(const ScopedToken& token, const std::string& name, bool enable) {
    const std::optional<Luid> luid = token.service().lookupPrivilegeValue(name);
    if (!luid) return PrivilegeChange::kUnknownPrivilege;
    TokenPrivileges state;
    state.privilegeCount = 1;
    state.luid = *luid;
    state.attributes = enable ? kSePrivilegeEnabled : 0;
    return token.service().adjustTokenPrivileges(token.handle(), false, state) ? PrivilegeChange::kApplied
                                                                               : PrivilegeChange::kRefused;
}

class Session {
public:
    virtual ~Session() = default;
    // ExitWindowsEx(flags, 0); true when Windows accepted the request.
    [[nodiscard]] virtual bool exitWindows(unsigned flags) = 0;
};

class Processes {
public:
    virtual ~Processes() = default;
    // ExitProcess: ends the process at once. Fakes record the status and return.
    virtual void exitProcess(std::uint32_t status) = 0;
};

}  // namespace platform

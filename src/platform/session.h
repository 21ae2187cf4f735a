#pragma once
// The process, its token and the Windows session.
#include <cstdint>
#include <optional>
#include <functional>
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

class Session {
public:
    virtual ~Session() = default;
    // ExitWindowsEx(flags, 0); true when Windows accepted the request.
    [[nodiscard]] virtual bool exitWindows(unsigned flags) = 0;
};

struct RunResult {
    bool started = false;
    bool timedOut = false;       // still running when the wait ended (the process is ended)
    std::uint32_t exitCode = 0;  // meaningful when started and not timed out
};

class Processes {
public:
    virtual ~Processes() = default;
    // Starts a command line with no window of its own and waits for it, at most timeoutMs.
    // While it waits, whenever messages arrive, it calls whileWaiting (when given), so the
    // caller's windows keep painting and their timers keep running.
    [[nodiscard]] virtual RunResult runAndWait(const std::string& commandLine, unsigned timeoutMs,
                                               const std::function<void()>& whileWaiting = {}) = 0;
    // ExitProcess: ends the process at once. Fakes record the status and return.
    virtual void exitProcess(std::uint32_t status) = 0;
};

}  // namespace platform

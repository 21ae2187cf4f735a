#pragma once
// The network window's dial-up object. It lists the default phone book's entries,
// dials one through the WinINet dialler, hangs up the connection it dialled itself and
// tells whether Remote Access reports an active connection.
//
// Results follow one convention: 0 success, -1 nothing to do (already connected, nothing
// to hang up), anything else the system's error code.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/types.h"
#include "platform/dialup.h"
#include "platform/registry.h"

namespace sparvane::dialup {

// Where Remote Access keeps its "a connection is up" flag (under HKEY_LOCAL_MACHINE).
inline constexpr const char* kRemoteAccessKey = "System\\CurrentControlSet\\Services\\RemoteAccess";
inline constexpr const char* kRemoteConnectionValue = "Remote Connection";

// The entry buffer holds this many records; a phone book with more entries is listed only
// this far.
inline constexpr std::uint32_t kMaxListedEntries = 256;

class Dialer {
public:
    Dialer(platform::Dialup& service, platform::Registry& registry);
    // With hangsUpOnRelease set, a connection still held is hung up (no event).
    ~Dialer();
    Dialer(const Dialer&) = delete;
    Dialer& operator=(const Dialer&) = delete;

    // Whether Remote Access reports a connection; the object's own handle plays no part.
    bool isConnected() const;
    bool hangsUpOnRelease() const { return hangsUpOnRelease_; }
    void setHangsUpOnRelease(bool on) { hangsUpOnRelease_ = on; }

    // 0 hung up, -1 no connection held, else InternetHangUp's code. The handle is cleared
    // and onConnectionClosed raised whenever a connection was held, even if the hang-up failed.
    std::int32_t hangUp();
    // The phone book's entry names in the system's order (empty when there are none). At most kMaxListedEntries names;
    // entriesInPhoneBook says how many the system reported, so the caller can tell the user about the rest.
    std::vector<std::string> listEntries();
    // Dials entry unattended with owner as the dialler's owner window. 0 dialled (onConnectionMade is
    // raised before this returns), -1 already connected, else the dialler's code.
    std::int32_t dial(forms::WindowHandle owner, const std::string& entry);

    // The number of entries the system reported at the last listEntries.
    std::uint32_t entriesInPhoneBook() const { return entriesInPhoneBook_; }

    // Events, raised synchronously inside dial and hangUp.
    std::function<void()> onConnectionMade;
    std::function<void()> onConnectionClosed;

private:
    bool remoteConnectionActive() const;

    platform::Dialup& service_;
    platform::Registry& registry_;
    std::uint32_t connection_ = 0;  // what InternetDial handed back; 0 = none held
    bool hangsUpOnRelease_ = false;
    std::uint32_t entriesInPhoneBook_ = 0;
};

}  // namespace sparvane::dialup

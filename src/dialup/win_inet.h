#pragma once
// WinInet: the network window's dial-up object. It lists the default phone book's entries,
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

class WinInet {
public:
    WinInet(platform::Dialup& dialer, platform::Registry& registry);
    // With DisconnectOnTerminate set, a connection still held is hung up (no event).
    ~WinInet();
    WinInet(const WinInet&) = delete;
    WinInet& operator=(const WinInet&) = delete;

    // Whether Remote Access reports a connection; the object's own handle plays no part.
    bool Connected() const;
    bool DisconnectOnTerminate() const { return disconnectOnTerminate_; }
    void DisconnectOnTerminate(bool bValue) { disconnectOnTerminate_ = bValue; }

    // 0 hung up, -1 no connection held, else InternetHangUp's code. The handle is cleared
    // and ConnectionClosed raised whenever a connection was held, even if the hang-up failed.
    std::int32_t HangUp();
    // Overwrites sDunList with the phone book's entry names in the system's order (empty
    // when there are none). At most kMaxListedEntries names; EntriesInPhoneBook says how
    // many the system reported, so the caller can tell the user about the rest.
    void ListDUNs(std::vector<std::string>& sDunList);
    // Dials sDUN unattended with hWnd as the dialler's owner. 0 dialled (ConnectionMade is
    // raised before this returns), -1 already connected, else the dialler's code.
    std::int32_t StartDUN(forms::WindowHandle hWnd, const std::string& sDUN);

    // The number of entries the system reported at the last ListDUNs.
    std::uint32_t EntriesInPhoneBook() const { return entriesInPhoneBook_; }

    // Events, raised synchronously inside StartDUN and HangUp.
    std::function<void()> ConnectionMade;
    std::function<void()> ConnectionClosed;

private:
    bool IsRemoteConnectionActive() const;

    platform::Dialup& dialer_;
    platform::Registry& registry_;
    std::uint32_t connection_ = 0;  // what InternetDial handed back; 0 = none held
    bool disconnectOnTerminate_ = false;
    std::uint32_t entriesInPhoneBook_ = 0;
};

}  // namespace sparvane::dialup

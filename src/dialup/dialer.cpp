#include "dialup/dialer.h"

#include <algorithm>
#include <cstring>

namespace sparvane::dialup {

namespace {

constexpr std::uint32_t kRecordSize = platform::kRasEntryNameSize;
constexpr std::uint32_t kBufferBytes = kRecordSize * kMaxListedEntries;
constexpr std::size_t kNameOffset = 4;  // after the record's dwSize

// The name bytes of one record, up to (not including) the first NUL.
std::string nameBytes(const std::uint8_t* record) {
    const auto* name = reinterpret_cast<const char*>(record + kNameOffset);
    const auto* end = static_cast<const char*>(std::memchr(name, '\0', platform::kRasEntryNameLength));
    return std::string(name, end ? end : name + platform::kRasEntryNameLength);
}

}  // namespace

Dialer::Dialer(platform::Dialup& service, platform::Registry& registry) : service_(service), registry_(registry) {}

Dialer::~Dialer() {
    // Only a connection this object dialled, and only when asked to; the owner is going
    // away, so no event is raised.
    if (hangsUpOnRelease_ && connection_ != 0) (void)service_.hangUp(connection_);
}

bool Dialer::isConnected() const { return remoteConnectionActive(); }

bool Dialer::remoteConnectionActive() const {
    // The value's registry type is not checked: Remote Access has written it as a DWORD
    // or as four binary bytes, and both mean "up" when non-zero.
    const platform::RegistryRead read = registry_.readLocalMachineDword(kRemoteAccessKey, kRemoteConnectionValue);
    return read.keyOpened && read.valueRead && read.data != 0;
}

std::int32_t Dialer::hangUp() {
    if (connection_ == 0) return -1;
    const std::uint32_t result = service_.hangUp(connection_);
    // Whatever the hang-up said, the handle is of no further use to us: a retry with it
    // would only fail again, and the owner must learn that the connection is gone.
    connection_ = 0;
    if (onConnectionClosed) onConnectionClosed();
    return static_cast<std::int32_t>(result);
}

std::vector<std::string> Dialer::listEntries() {
    std::vector<std::string> entries;
    entriesInPhoneBook_ = 0;

    std::vector<std::uint8_t> buffer(kBufferBytes, 0);
    std::memcpy(buffer.data(), &kRecordSize, sizeof kRecordSize);  // only the first record's dwSize
    std::uint32_t byteCount = kBufferBytes;
    std::uint32_t entryCount = 0;
    // The return code is not looked at: the counts say everything we use.
    (void)service_.enumEntries(buffer.data(), byteCount, entryCount);

    // A phone book larger than the buffer: the system asks for more bytes and, depending
    // on the system, reports the full count or only what it wrote. Remember the larger
    // figure so the caller can say how many were left out.
    std::uint32_t reported = entryCount;
    if (byteCount > kBufferBytes) reported = std::max(reported, byteCount / kRecordSize);
    entriesInPhoneBook_ = reported;

    // Never read past the 256 records we own, whatever count came back.
    const std::uint32_t records = std::min(entryCount, kMaxListedEntries);
    const bool overflowed = reported > kMaxListedEntries || byteCount > kBufferBytes;
    entries.reserve(records);
    for (std::uint32_t i = 0; i < records; ++i) {
        std::string name = nameBytes(buffer.data() + std::size_t{i} * kRecordSize);
        // Windows fills nothing when the buffer is too small, yet reports the full count;
        // such unwritten records (no entry has an empty name) are not entries.
        if (overflowed && name.empty()) continue;
        entries.push_back(service_.entryNameFromAnsi(name));
    }
    if (entries.empty()) entries.shrink_to_fit();  // no entries: no storage either
    return entries;
}

std::int32_t Dialer::dial(forms::WindowHandle owner, const std::string& entry) {
    // Both must hold: Remote Access says a connection is up and we dialled one ourselves.
    if (remoteConnectionActive() && connection_ != 0) return -1;
    // A handle still held is replaced without a hang-up, as the dialler hands out a new one.
    const std::uint32_t result = service_.dial(owner, entry, platform::kInternetAutodialForceUnattended, connection_);
    if (result == 0) {
        if (onConnectionMade) onConnectionMade();
    } else {
        connection_ = 0;
    }
    return static_cast<std::int32_t>(result);
}

}  // namespace sparvane::dialup

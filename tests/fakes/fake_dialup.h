#pragma once
// A phone book and a dialler with scripted results.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/dialup.h"

namespace fakes {

struct DialCall {
    platform::WindowHandle owner;
    std::string entry;
    std::uint32_t flags;
};

class FakeDialup : public platform::Dialup {
public:
    std::vector<std::string> entries;  // names as stored (bytes of the ANSI code page)
    std::uint32_t dialResult = 0;
    std::uint32_t nextConnection = 0xC0;
    std::uint32_t hangUpResult = 0;
    std::vector<std::string> dialled;
    std::vector<DialCall> dialCalls;
    std::vector<std::uint32_t> hungUp;

    // How a too-small buffer is answered. Windows writes no record and reports the full
    // count; other implementations write what fits and report that many.
    bool fillWhenTooSmall = true;
    // What the last enumeration was handed.
    std::uint32_t enumByteCountIn = 0;
    std::uint32_t enumFirstRecordSize = 0;
    int enumCalls = 0;

    std::uint32_t enumEntries(std::uint8_t* buffer, std::uint32_t& byteCount, std::uint32_t& entryCount) override {
        ++enumCalls;
        enumByteCountIn = byteCount;
        std::memcpy(&enumFirstRecordSize, buffer, 4);
        const std::uint32_t fits = byteCount / platform::kRasEntryNameSize;
        const auto count = static_cast<std::uint32_t>(entries.size());
        const bool tooSmall = count > fits;
        const std::uint32_t written = tooSmall && !fillWhenTooSmall ? 0 : std::min(fits, count);
        for (std::uint32_t i = 0; i < written; ++i) {
            std::uint8_t* rec = buffer + std::size_t{i} * platform::kRasEntryNameSize;
            std::memset(rec, 0, platform::kRasEntryNameSize);
            const std::uint32_t size = platform::kRasEntryNameSize;
            std::memcpy(rec, &size, 4);
            std::copy_n(entries[i].data(), std::min<std::size_t>(entries[i].size(), 256), rec + 4);
        }
        entryCount = tooSmall && !fillWhenTooSmall ? count : written;
        if (tooSmall) {
            byteCount = count * platform::kRasEntryNameSize;
            return 603;  // ERROR_BUFFER_TOO_SMALL
        }
        return 0;
    }
    std::uint32_t dial(platform::WindowHandle owner, const std::string& entry, std::uint32_t flags,
                       std::uint32_t& connection) override {
        dialled.push_back(entry);
        dialCalls.push_back({owner, entry, flags});
        if (dialResult == 0) connection = nextConnection++;
        return dialResult;
    }
    std::uint32_t hangUp(std::uint32_t connection) override {
        hungUp.push_back(connection);
        return hangUpResult;
    }
    // The fake's ANSI code page is Latin-1: every byte is the code point of the same value.
    std::string entryNameFromAnsi(const std::string& ansiName) override {
        std::string utf8;
        for (unsigned char c : ansiName) {
            if (c < 0x80) {
                utf8 += static_cast<char>(c);
            } else {
                utf8 += static_cast<char>(0xC0 | (c >> 6));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return utf8;
    }
};

}  // namespace fakes

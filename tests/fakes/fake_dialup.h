#pragma once
// A phone book and a dialler with scripted results.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/dialup.h"

namespace fakes {

class FakeDialup : public platform::Dialup {
public:
    std::vector<std::string> entries;  // names as stored (bytes of the ANSI code page)
    std::uint32_t dialResult = 0;
    std::uint32_t nextConnection = 0xC0;
    std::uint32_t hangUpResult = 0;
    std::vector<std::string> dialled;
    std::vector<std::uint32_t> hungUp;

    std::uint32_t enumEntries(std::uint8_t* buffer, std::uint32_t& byteCount, std::uint32_t& entryCount) override {
        const std::uint32_t fits = byteCount / platform::kRasEntryNameSize;
        const auto count = static_cast<std::uint32_t>(entries.size());
        const std::uint32_t written = std::min(fits, count);
        for (std::uint32_t i = 0; i < written; ++i) {
            std::uint8_t* rec = buffer + i * platform::kRasEntryNameSize;
            std::memset(rec, 0, platform::kRasEntryNameSize);
            const std::uint32_t size = platform::kRasEntryNameSize;
            std::memcpy(rec, &size, 4);
            std::memcpy(rec + 4, entries[i].data(), std::min<std::size_t>(entries[i].size(), 256));
        }
        entryCount = written;
        if (count > fits) {
            byteCount = count * platform::kRasEntryNameSize;
            return 603;  // ERROR_BUFFER_TOO_SMALL
        }
        return 0;
    }
    std::uint32_t dial(forms::WindowHandle, const std::string& entry, std::uint32_t, std::uint32_t& connection) override {
        dialled.push_back(entry);
        if (dialResult == 0) connection = nextConnection++;
        return dialResult;
    }
    std::uint32_t hangUp(std::uint32_t connection) override {
        hungUp.push_back(connection);
        return hangUpResult;
    }
};

}  // namespace fakes

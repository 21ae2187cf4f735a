#include "fakes/fake_interface_table.h"

#include <algorithm>
#include <cstring>

namespace fakes {

namespace {
void put32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

// memcpy that accepts an empty source: an empty vector's data() may be null, and memcpy
// from a null pointer is undefined even for zero bytes.
void copyBytes(std::uint8_t* to, const void* from, std::size_t count) {
    if (count != 0) std::memcpy(to, from, count);
}
}  // namespace

std::vector<std::uint8_t> FakeInterfaceTable::serialize(const std::vector<FakeInterfaceRow>& rows) {
    std::vector<std::uint8_t> out(4 + rows.size() * 860, 0);
    put32(out.data(), static_cast<std::uint32_t>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::uint8_t* r = out.data() + 4 + i * 860;
        const auto& row = rows[i];
        for (std::size_t k = 0; k < row.name.size() && k < 256; ++k) {
            r[2 * k] = static_cast<std::uint8_t>(row.name[k] & 0xFF);
            r[2 * k + 1] = static_cast<std::uint8_t>(row.name[k] >> 8);
        }
        put32(r + 512, row.index);
        put32(r + 516, row.type);
        put32(r + 520, row.mtu);
        put32(r + 524, row.speed);
        put32(r + 528, row.physicalAddressLength.value_or(static_cast<std::uint32_t>(row.physicalAddress.size())));
        copyBytes(r + 532, row.physicalAddress.data(), std::min<std::size_t>(8, row.physicalAddress.size()));
        put32(r + 540, row.adminStatus);
        put32(r + 544, row.operStatus);
        put32(r + 548, row.lastChange);
        put32(r + 552, row.octetsIn);
        put32(r + 556, row.unicastIn);
        put32(r + 560, row.nonUnicastIn);
        put32(r + 564, row.discardsIn);
        put32(r + 568, row.errorsIn);
        put32(r + 572, row.unknownProtos);
        put32(r + 576, row.octetsOut);
        put32(r + 580, row.unicastOut);
        put32(r + 584, row.nonUnicastOut);
        put32(r + 588, row.discardsOut);
        put32(r + 592, row.errorsOut);
        put32(r + 596, row.outQueueLength);
        put32(r + 600, row.descriptionLength.value_or(
                           static_cast<std::uint32_t>(std::min<std::size_t>(row.description.size(), 256))));
        copyBytes(r + 604, row.description.data(), std::min<std::size_t>(row.description.size(), 256));
    }
    return out;
}

std::uint32_t FakeInterfaceTable::getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool) {
    ++calls;
    if (notSupported) return platform::kErrorNotSupported;
    const auto bytes = rawTable ? *rawTable : serialize(rows);
    if (buffer == nullptr || size < bytes.size()) {
        ++sizeQueries;
        size = static_cast<std::uint32_t>(bytes.size());
        if (afterSizeQuery) afterSizeQuery();
        return platform::kErrorInsufficientBuffer;
    }
    if (fillResult != platform::kNoError) return fillResult;
    copyBytes(buffer, bytes.data(), bytes.size());
    size = static_cast<std::uint32_t>(bytes.size());
    return platform::kNoError;
}

}  // namespace fakes

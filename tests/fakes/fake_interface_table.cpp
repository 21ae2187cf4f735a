#include "fakes/fake_interface_table.h"

#include <algorithm>
#include <cstring>

namespace fakes {

namespace {
void put32(std::uint8_t* p, std::uint64_t v) {
    for (int k = 0; k < 4; ++k) p[k] = static_cast<std::uint8_t>(v >> (8 * k));  // the low 32 bits, as the table
}
}  // namespace

std::vector<std::uint8_t> FakeInterfaceTable::serialize(const std::vector<platform::InterfaceRow>& rows) {
    std::vector<std::uint8_t> out(4 + rows.size() * 860, 0);
    put32(out.data(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::uint8_t* r = out.data() + 4 + i * 860;
        const auto& row = rows[i];
        put32(r + 512, row.index);
        put32(r + 516, row.type);
        put32(r + 524, std::min<std::uint64_t>(row.receiveLinkSpeed, 0xFFFFFFFFu));
        put32(r + 544, row.up ? 5 : 2);  // operational, or down
        put32(r + 548, row.lastChange);
        put32(r + 552, row.octetsIn);
        put32(r + 556, row.unicastIn);
        put32(r + 560, row.nonUnicastIn);
        put32(r + 576, row.octetsOut);
        put32(r + 580, row.unicastOut);
        put32(r + 584, row.nonUnicastOut);
        const std::size_t descr = std::min<std::size_t>(row.description.size(), 256);
        put32(r + 600, descr);
        if (descr != 0) std::memcpy(r + 604, row.description.data(), descr);
    }
    return out;
}

std::uint32_t FakeInterfaceTable::getIfTable2(std::vector<platform::InterfaceRow>& out) {
    ++calls;
    out.clear();
    if (notSupported || !extended) return platform::kErrorNotSupported;
    if (fillResult != platform::kNoError) return fillResult;
    out = rows;
    return platform::kNoError;
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
    if (!bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size());
    size = static_cast<std::uint32_t>(bytes.size());
    return platform::kNoError;
}

}  // namespace fakes

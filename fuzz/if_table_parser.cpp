// libFuzzer target for the interface table parser: any bytes the service could hand over
// (or a damaged buffer) must parse without reading outside the buffer, and the reading
// must stay consistent with the bytes.
//
//   cmake --preset fuzz -B build/fuzz && cmake --build build/fuzz --target fuzz_if_table_parser
//   build/fuzz/fuzz_if_table_parser -max_total_time=60 -max_len=4000 fuzz/corpus/if_table
#include <cstddef>
#include <cstdint>

#include "network/if_table_parser.h"

namespace {
std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sparvane::network;
    const InterfaceReading reading = parseInterfaceTable(data, size);
    if (size < kIfTableHeaderBytes) {
        if (reading.interfaces.Count() != 0 || reading.bytesReceived != 0) __builtin_trap();
        return 0;
    }
    const std::size_t complete = (size - kIfTableHeaderBytes) / kIfRowBytes;
    const std::size_t expectedRows = le32(data) < complete ? le32(data) : complete;
    if (reading.interfaces.Count() != expectedRows) __builtin_trap();

    std::uint64_t in = 0, out = 0;
    std::size_t i = 0;
    for (const CInterface& rec : reading.interfaces) {
        const std::uint8_t* row = data + kIfTableHeaderBytes + i++ * kIfRowBytes;
        in += le32(row + 552);
        out += le32(row + 576);
        if (rec.OctetsReceived != static_cast<std::int32_t>(le32(row + 552))) __builtin_trap();
        if (rec.InterfaceName.size() != 256) __builtin_trap();
        if (rec.AdapterAddress.size() > 23) __builtin_trap();        // 8 bytes "FF-" at most
        if (rec.InterfaceDescription.size() > 256 * 3) __builtin_trap();  // 3 UTF-8 bytes per char at most
        if (rec.LastChange != 0.0) __builtin_trap();
    }
    if (in != reading.bytesReceived || out != reading.bytesSent) __builtin_trap();
    return 0;
}

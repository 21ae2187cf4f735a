// Cost of the traffic tick, the work the network window does every 500 ms.
//
//   cmake --preset native && cmake --build --preset native --target bench_traffic_tick
//   build/native/bench_traffic_tick
//
// Parse: the old table's parser alone on a pre-serialized table. Reading: the reader's
// calls into a table service that only copies (GetIfTable2's rows, or GetIfTable's bytes
// and their parse). Tally: the counting rule and one direction's interface-by-interface
// count of one reading. Tick: the traffic panel's tick with both readings, the counting rule,
// both directions' tallies, the figures, the tray tip, the widget's figures and both
// histories and charts, headless, on GetIfTable2's rows.
// Each at 4 rows (a laptop) and 300 rows (a server with many virtual adapters).
#include <benchmark/benchmark.h>

#include "fakes/test_world.h"
#include "network/counting_rule.h"
#include "network/if_table_parser.h"
#include "network/interface_reader.h"
#include "network/traffic_tally.h"
#include "shell/network_window.h"
#include "shell/registration.h"

namespace {

// A Windows-like table: hardware adapters, each followed by two filter rows, and virtual
// adapters; 64-bit counters well past 4 GiB.
std::vector<platform::InterfaceRow> makeRows(std::size_t n) {
    std::vector<platform::InterfaceRow> rows(n);
    for (std::size_t i = 0; i < n; ++i) {
        auto& r = rows[i];
        r.index = static_cast<std::uint32_t>(i + 1);
        r.alias = "Ethernet " + std::to_string(i);
        r.description = "Virtual Ethernet Adapter #" + std::to_string(i);
        r.hardware = i % 3 == 0;
        r.filter = i % 3 == 1;
        r.receiveLinkSpeed = r.transmitLinkSpeed = 10'000'000'000ull;
        r.octetsIn = 5'000'000'000ull + i * 100000;
        r.octetsOut = i * 1000;
    }
    return rows;
}

void BM_ParseTable(benchmark::State& state) {
    const auto bytes = fakes::FakeInterfaceTable::serialize(makeRows(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        auto rows = sparvane::network::parseInterfaceTable(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_ParseTable)->Arg(4)->Arg(300)->Unit(benchmark::kMicrosecond);

void reading(benchmark::State& state, bool extended) {
    fakes::TestWorld world;
    world.interfaceTable.rows = makeRows(static_cast<std::size_t>(state.range(0)));
    world.interfaceTable.extended = extended;
    sparvane::network::InterfaceReader reader(world.interfaceTable, world.app);
    for (auto _ : state) benchmark::DoNotOptimize(reader.read().rows.size());
}
void BM_ReadingTable2(benchmark::State& state) { reading(state, true); }
void BM_ReadingOldTable(benchmark::State& state) { reading(state, false); }
BENCHMARK(BM_ReadingTable2)->Arg(4)->Arg(300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadingOldTable)->Arg(4)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_RuleAndTally(benchmark::State& state) {
    sparvane::network::InterfaceReading r{makeRows(static_cast<std::size_t>(state.range(0))), true, true};
    sparvane::network::TrafficTally tally(sparvane::network::Direction::Received);
    std::uint64_t now = 0;
    for (auto _ : state) {
        r.rows[0].octetsIn += 1000;
        benchmark::DoNotOptimize(tally.take(r, sparvane::network::judgeRows(r), now += 500).bytes);
    }
}
BENCHMARK(BM_RuleAndTally)->Arg(4)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_Tick(benchmark::State& state) {
    fakes::TestWorld world;
    world.interfaceTable.rows = makeRows(static_cast<std::size_t>(state.range(0)));
    sparvane::shell::registerForms(world.ctx);
    auto& panel = world.app.form<sparvane::shell::NetworkWindow>().traffic();
    panel.tick();
    std::uint32_t step = 0;
    for (auto _ : state) {
        world.interfaceTable.rows[0].octetsIn += 1000 + (step++ % 13) * 997;  // a different figure every tick
        panel.tick();
        world.trayIcon.calls.clear();  // the fake's call log is not the program's cost
    }
}
BENCHMARK(BM_Tick)->Arg(4)->Arg(300)->Unit(benchmark::kMicrosecond);

}  // namespace

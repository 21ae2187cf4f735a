// Cost of the traffic tick, the work the network window does every 500 ms.
//
//   cmake --preset native -B build/bench && cmake --build build/bench --target bench_traffic_tick
//   build/bench/bench_traffic_tick
//
// Parse: the parser alone on a pre-serialized table. Reading: CIpHelper's two calls into
// a table service that only copies bytes. Tally: one direction's interface-by-interface
// count of one reading (matching the rows by index). Tick: UpdateTraffic with both
// readings, both directions' tallies, the figures, the tray tip, the feed to the widget
// and both histories and charts, headless.
// Each at 4 rows (a laptop) and 300 rows (a server with many virtual adapters).
#include <benchmark/benchmark.h>

#include <cstring>

#include "fakes/test_world.h"
#include "network/if_table_parser.h"
#include "network/ip_helper.h"
#include "network/traffic_monitor.h"
#include "network/traffic_tally.h"
#include "shell/form1.h"
#include "shell/widget_link.h"

namespace {

std::vector<fakes::FakeInterfaceRow> makeRows(std::size_t n) {
    std::vector<fakes::FakeInterfaceRow> rows(n);
    for (std::size_t i = 0; i < n; ++i) {
        rows[i].name = u"\\DEVICE\\TCPIP_{4F1C2E3A-0000-4000-8000-00000000" + std::u16string(1, u'A' + i % 26) + u"}";
        rows[i].index = static_cast<std::uint32_t>(i + 1);
        rows[i].physicalAddress = {0, 0x1A, 0x2B, 3, 4, static_cast<std::uint8_t>(i)};
        rows[i].description = "Virtual Ethernet Adapter #" + std::to_string(i);
        rows[i].octetsIn = static_cast<std::uint32_t>(i * 100000);
        rows[i].octetsOut = static_cast<std::uint32_t>(i * 1000);
    }
    return rows;
}

// The table service without the cost of building the table: the bytes are made once and
// copied out; counters move in place so that every tick has traffic to show.
class PreserializedTable : public platform::InterfaceTable {
public:
    explicit PreserializedTable(std::size_t rows) : bytes_(fakes::FakeInterfaceTable::serialize(makeRows(rows))) {}
    std::uint32_t getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool) override {
        if (buffer == nullptr || size < bytes_.size()) {
            size = static_cast<std::uint32_t>(bytes_.size());
            return platform::kErrorInsufficientBuffer;
        }
        std::memcpy(buffer, bytes_.data(), bytes_.size());
        return platform::kNoError;
    }
    void moveCounters(std::uint32_t bytes) {
        std::uint32_t v;
        std::memcpy(&v, bytes_.data() + 4 + 552, 4);
        v += bytes;
        std::memcpy(bytes_.data() + 4 + 552, &v, 4);
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

class NetworkWindow : public forms::Form {
public:
    explicit NetworkWindow(sparvane::Context& ctx)
        : forms::Form(ctx.app, "Form3"),
          widget(ctx.app),
          monitor(*this, {ctx.services.interfaceTable, ctx.services.trayIcon, ctx.services.locale, ctx.services.clock,
                          widget}) {}
    void Form_Load() override { monitor.setUp(); }
    sparvane::shell::WidgetLink widget;
    sparvane::network::TrafficMonitor monitor;
};

void BM_ParseTable(benchmark::State& state) {
    PreserializedTable table(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto reading = sparvane::network::parseInterfaceTable(table.bytes().data(), table.bytes().size());
        benchmark::DoNotOptimize(reading.bytesReceived);
    }
}
BENCHMARK(BM_ParseTable)->Arg(4)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_Reading(benchmark::State& state) {
    fakes::TestWorld world;
    PreserializedTable table(static_cast<std::size_t>(state.range(0)));
    sparvane::network::CIpHelper helper(table, world.app);
    for (auto _ : state) {
        benchmark::DoNotOptimize(helper.Interfaces().Count());
    }
}
BENCHMARK(BM_Reading)->Arg(4)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_Tally(benchmark::State& state) {
    PreserializedTable table(static_cast<std::size_t>(state.range(0)));
    const auto reading = sparvane::network::parseInterfaceTable(table.bytes().data(), table.bytes().size());
    sparvane::network::TrafficTally tally(sparvane::network::Direction::Received);
    std::uint64_t now = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tally.take(reading.counters, now += 500).bytes);
    }
}
BENCHMARK(BM_Tally)->Arg(4)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_Tick(benchmark::State& state) {
    fakes::TestWorld world;
    PreserializedTable table(static_cast<std::size_t>(state.range(0)));
    platform::Services services{table,          world.fileSystem, world.recycleBin,   world.recentDocuments,
                                world.shell,    world.token,      world.session,      world.processes,
                                world.registry, world.dialup,     world.trayIcon,     world.lastInput,
                                world.clock,    world.locale,     world.systemErrors, world.windows};
    sparvane::Context ctx{world.app, services};
    world.app.registerForm<NetworkWindow>([&ctx] { return std::make_unique<NetworkWindow>(ctx); });
    world.app.registerForm<sparvane::shell::Form1>([&ctx] { return std::make_unique<sparvane::shell::Form1>(ctx); });
    auto& monitor = world.app.form<NetworkWindow>().monitor;
    monitor.UpdateTraffic();
    std::uint32_t step = 0;
    for (auto _ : state) {
        table.moveCounters(1000 + (step++ % 13) * 997);  // a different figure every tick
        monitor.UpdateTraffic();
        world.trayIcon.calls.clear();  // the fake's call log is not the program's cost
    }
}
BENCHMARK(BM_Tick)->Arg(4)->Arg(300)->Unit(benchmark::kMicrosecond);

}  // namespace

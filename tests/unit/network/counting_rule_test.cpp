// Which rows count, on tables shaped like what Windows 10/11 and a system before Vista
// really report. Each machine's table is read twice with a transfer between; the tally
// must count the bytes of that transfer once. Wine's table (loopback and veth links) is
// 30_traffic's, which holds the tray total to the kernel's count.
#include <gtest/gtest.h>

#include <ostream>

#include "network/counting_rule.h"
#include "network/traffic_tally.h"

using platform::InterfaceRow;
using sparvane::network::InterfaceReading;
using sparvane::network::RowVerdict;
namespace if_type = platform::if_type;

namespace {

struct TableRow {
    InterfaceRow row;
    std::uint64_t movedIn;  // bytes the row's counter moves during the transfer
    RowVerdict verdict;
};

constexpr std::uint64_t kTransfer = 7'000'000;  // what crossed the machine's link

TableRow row(std::uint32_t index, std::uint32_t type, const char* description, bool hardware, std::uint64_t moved,
             RowVerdict verdict, bool filter = false, bool up = true) {
    InterfaceRow r;
    r.index = index;
    r.type = type;
    r.description = description;
    r.hardware = hardware;
    r.filter = filter;
    r.up = up;
    r.octetsIn = 123'456'789'000ull + index;  // a machine that has been on line a while
    return {r, moved, verdict};
}
// The filter modules Windows binds to a Wi-Fi or Ethernet adapter: each a row of its own
// with the adapter's counts (Windows sets the hardware flag on some of them too).
std::vector<TableRow> filters(std::uint32_t firstIndex, const std::string& adapter, std::uint64_t moved) {
    static const char* const kModules[] = {"WFP Native MAC Layer LightWeight Filter", "Virtual WiFi Filter Driver",
                                           "Native WiFi Filter Driver", "QoS Packet Scheduler",
                                           "WFP 802.3 MAC Layer LightWeight Filter"};
    std::vector<TableRow> rows;
    for (std::uint32_t k = 0; k < std::size(kModules); ++k) {
        const std::string name = adapter + "-" + kModules[k] + "-0000";
        rows.push_back(row(firstIndex + k, if_type::kWireless, "", k % 2 == 0, moved, RowVerdict::Filter, true));
        rows.back().row.description = name;
    }
    return rows;
}
std::vector<TableRow> windowsExtras(std::uint32_t firstIndex, RowVerdict miniports) {
    return {
        row(firstIndex, if_type::kSoftwareLoopback, "Software Loopback Interface 1", false, 0, RowVerdict::Loopback),
        row(firstIndex + 1, if_type::kTunnel, "Microsoft Teredo Tunneling Adapter", false, 40'000, RowVerdict::Tunnel),
        row(firstIndex + 2, if_type::kTunnel, "Microsoft IP-HTTPS Platform Adapter", false, 0, RowVerdict::Tunnel),
        row(firstIndex + 3, if_type::kTunnel, "Microsoft 6to4 Adapter", false, 0, RowVerdict::Tunnel),
        row(firstIndex + 4, if_type::kPpp, "WAN Miniport (IP)", false, 0, miniports),
        row(firstIndex + 5, if_type::kPpp, "WAN Miniport (IPv6)", false, 0, miniports),
        row(firstIndex + 6, if_type::kEthernet, "WAN Miniport (Network Monitor)", false, 0, miniports),
        row(firstIndex + 7, if_type::kEthernet, "Microsoft Kernel Debug Network Adapter", false, 0, miniports),
    };
}
std::vector<TableRow> join(std::vector<TableRow> a, const std::vector<TableRow>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Machine {
    const char* name;
    std::vector<TableRow> rows;
    bool extended;
    std::uint64_t counted;
};

const auto Counted = RowVerdict::Counted;
const auto Virtual = RowVerdict::VirtualAdapter;
const std::string kWifi = "Intel(R) Wi-Fi 6 AX201 160MHz";
const std::string kNic = "Realtek PCIe GbE Family Controller";

const Machine kMachines[] = {
    {"LaptopOnWifi",
     join(join({row(1, if_type::kWireless, kWifi.c_str(), true, kTransfer, Counted)}, filters(20, kWifi, kTransfer)),
          windowsExtras(40, Virtual)),
     true, kTransfer},
    // The modem's PPP link is the only thing up; the Ethernet adapter is unplugged.
    {"DialUpModemAlone",
     join({row(1, if_type::kEthernet, kNic.c_str(), true, 0, Counted, false, false),
           row(2, if_type::kPpp, "Standard 56000 bps Modem", false, 40'000, Counted)},
          windowsExtras(40, Counted)),
     true, 40'000},
    // Before Vista: no flags, 32-bit counters; every row but loopback counts, as it always did.
    {"SystemWithoutGetIfTable2",
     {row(1, if_type::kSoftwareLoopback, "MS TCP Loopback interface", false, 900'000, RowVerdict::Loopback),
      row(2, if_type::kEthernet, kNic.c_str(), false, kTransfer, Counted),
      row(3, if_type::kPpp, "WAN (PPP/SLIP) Interface", false, 2'000, Counted)},
     false,
     kTransfer + 2'000},
};

void PrintTo(const Machine& m, std::ostream* os) { *os << m.name; }

InterfaceReading reading(const Machine& m, bool after) {
    InterfaceReading r{{}, m.extended, true};
    for (const TableRow& t : m.rows) {
        r.rows.push_back(t.row);
        if (after) r.rows.back().octetsIn += t.movedIn;
        if (!m.extended) r.rows.back().octetsIn &= 0xFFFFFFFFu;  // the old table's counters
    }
    return r;
}

}  // namespace

class MachineTable : public testing::TestWithParam<Machine> {};

TEST_P(MachineTable, CountsEachByteOfTheMachinesTrafficOnce) {
    const Machine& m = GetParam();
    const InterfaceReading before = reading(m, false), after = reading(m, true);
    const auto verdicts = sparvane::network::judgeRows(after);
    ASSERT_EQ(verdicts.size(), m.rows.size());
    for (std::size_t i = 0; i < m.rows.size(); ++i)
        EXPECT_EQ(verdicts[i], m.rows[i].verdict) << m.rows[i].row.description;

    sparvane::network::TrafficTally tally(sparvane::network::Direction::Received);
    (void)tally.take(before, sparvane::network::judgeRows(before), 0);
    EXPECT_EQ(tally.take(after, verdicts, 500).bytes, m.counted);
}

INSTANTIATE_TEST_SUITE_P(Machines, MachineTable, testing::ValuesIn(kMachines),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// The whole program run for a day on the virtual clock, with traffic and a Recent folder
// that fills and empties: windows, timers, forms, controls and live heap blocks must stay
// flat once it has settled, so that a per-tick leak shows long before Task Manager would.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "cleaning/junk_meter.h"
#include "fakes/test_world.h"
#include "shell/registration.h"
#include "shell/widget_window.h"

// The replaced global new/delete count the heap; AddressSanitizer brings its own allocator.
#if defined(__SANITIZE_ADDRESS__)
#define HEAP_COUNTED 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HEAP_COUNTED 0
#endif
#endif
#ifndef HEAP_COUNTED
#define HEAP_COUNTED 1
#endif

namespace {

std::atomic<long long> liveBlocks{0}, liveBytes{0};

}  // namespace

#if HEAP_COUNTED
// Each block carries its size in front of it, so that the unsized delete can count bytes.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* operator new(std::size_t size) {
    void* raw = std::malloc(size + kHeader);
    if (!raw) throw std::bad_alloc();
    *static_cast<std::size_t*>(raw) = size;
    ++liveBlocks;
    liveBytes += static_cast<long long>(size);
    return static_cast<char*>(raw) + kHeader;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    void* raw = static_cast<char*>(p) - kHeader;
    --liveBlocks;
    liveBytes -= static_cast<long long>(*static_cast<std::size_t*>(raw));
    std::free(raw);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
#endif

namespace {

constexpr int kTickMs = 500;  // NetworkWindow's traffic timer
constexpr int kTicksPerDay = 172'800;
constexpr int kWarmUpTicks = 2 * 60 * 2;  // two minutes: every timer has fired a few times
constexpr int kTicksPerHour = 2 * 60 * 60;
const std::string kRecent = "C:\\Users\\Tester\\AppData\\Roaming\\Microsoft\\Windows\\Recent";

// Heap figures move a little when a caption crosses the short-string limit or a map node
// is replaced; a leak of one block per junk check (every 20 s) is 4,000 blocks a day.
constexpr long long kHeapBlockSlack = 64;
constexpr long long kHeapByteSlack = 16LL * 1024;

struct Holdings {
    std::size_t windows = 0;
    std::size_t timers = 0;
    std::vector<std::string> forms;
    std::size_t controls = 0;
    long long heapBlocks = 0, heapBytes = 0;
};

template <class Container>
void dropRecords(Container& c) {
    Container().swap(c);  // clear() would keep the capacity, and the blocks alive
}

class ADayOfRunning : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InterfaceRow lo, eth;
        lo.index = 1;
        lo.type = 24;
        lo.description = "Loopback";
        eth.index = 2;
        eth.description = "Ethernet";
        eth.hardware = true;
        world.interfaceTable.rows = {lo, eth};
        world.fileSystem.addFolder(kRecent);
        world.fileSystem.addFile(kRecent + "\\notes.lnk", 2'000);
        sparvane::shell::registerForms(world.ctx);
        sparvane::shell::startProgram(world.ctx);
    }

    // The fakes' call records grow by design: the test's memory, let go before counting.
    void forgetRecordedCalls() {
        auto& b = world.backend;
        dropRecords(b.windowLog), dropRecords(b.broughtToFront), dropRecords(b.focusRequests), dropRecords(b.messages);
        dropRecords(world.fileSystem.log), dropRecords(world.fileSystem.attributeWrites);
        dropRecords(world.trayIcon.calls);
        dropRecords(world.windows.posCalls), dropRecords(world.windows.posInsertAfter),
            dropRecords(world.windows.layeredCalls);
        dropRecords(world.recycleBin.queried), dropRecords(world.recycleBin.emptyCalls),
            dropRecords(world.recycleBin.emptyFlags);
        dropRecords(world.shell.calls);
    }

    Holdings holdings() {
        forgetRecordedCalls();
        Holdings h;
        h.windows = world.backend.liveWindowCount();
        h.timers = world.backend.activeTimerCount();
        for (const forms::Form* f : world.app.forms()) {
            h.forms.push_back(f->name());
            h.controls += f->controls().size();
        }
        h.heapBlocks = liveBlocks.load(), h.heapBytes = liveBytes.load();
        return h;
    }

    // One tick of the outside world: traffic, the wall clock, some input, and the Recent
    // folder passing the junk limit and emptied again every few hours.
    void moveTheWorld(int tick) {
        auto& rows = world.interfaceTable.rows;
        rows[0].octetsIn += static_cast<std::uint32_t>(tick % 5000), rows[0].octetsOut += 40;
        rows[1].octetsIn += static_cast<std::uint32_t>((tick * 7919) % 120'000), rows[1].octetsOut += 3'000;
        world.clock.timeText = std::to_string(tick / 2 % 86'400);  // a new time of day each second
        world.clock.ticks = static_cast<std::uint32_t>(tick) * kTickMs;
        if (tick % 600 == 0) world.lastInput.tick = world.clock.ticks;
        const int phase = tick % (3 * kTicksPerHour);
        if (phase == kTicksPerHour) world.fileSystem.addFile(kRecent + "\\big.lnk", 80'000);
        if (phase == 2 * kTicksPerHour) (void)world.fileSystem.deleteFile(kRecent + "\\big.lnk");
    }

    fakes::TestWorld world;
};

TEST_F(ADayOfRunning, WindowsTimersFormsAndHeapStayFlatAfterWarmUp) {
    if (!HEAP_COUNTED) GTEST_SKIP() << "AddressSanitizer's allocator: heap blocks are not counted";
    int tick = 0;
    for (; tick < kWarmUpTicks; ++tick) {
        moveTheWorld(tick);
        world.backend.advance(kTickMs);
    }
    const Holdings settled = holdings();
    ASSERT_GE(settled.forms.size(), 3u)
        << "the start-up should have brought up the network window, Form2 and the widget";
    ASSERT_GT(settled.timers, 0u);

    const int tableReadsBefore = world.interfaceTable.calls;
    std::vector<forms::Color> frameColours;  // each change of the widget's frame, in order
    auto& frame = world.app.loadedForm<sparvane::shell::WidgetWindow>()->junkFrame;
    for (; tick < kTicksPerDay; ++tick) {
        moveTheWorld(tick);
        world.backend.advance(kTickMs);
        if (frameColours.empty() || frameColours.back() != frame.borderColor())
            frameColours.push_back(frame.borderColor());
        if ((tick + 1) % kTicksPerHour != 0) continue;
        const Holdings now = holdings();
        const int hour = (tick + 1) / kTicksPerHour;
        ASSERT_EQ(now.windows, settled.windows) << "hour " << hour;
        ASSERT_EQ(now.timers, settled.timers) << "hour " << hour;
        ASSERT_EQ(now.forms, settled.forms) << "hour " << hour;
        ASSERT_EQ(now.controls, settled.controls) << "hour " << hour;
        ASSERT_LE(now.heapBlocks, settled.heapBlocks + kHeapBlockSlack) << "hour " << hour;
        ASSERT_LE(now.heapBytes, settled.heapBytes + kHeapByteSlack) << "hour " << hour;
    }
    // A working day: the table read every tick, the frame turned red and green again.
    EXPECT_GE(world.interfaceTable.calls - tableReadsBefore, kTicksPerDay - kWarmUpTicks);
    using sparvane::cleaning::JunkMeter;
    EXPECT_GE(std::count(frameColours.begin(), frameColours.end(), JunkMeter::kFrameDarkRed), 7);
    EXPECT_GE(std::count(frameColours.begin(), frameColours.end(), JunkMeter::kFrameGreen), 8);
    EXPECT_TRUE(world.trayIcon.entry);
    EXPECT_EQ(world.trayIcon.failedCalls, 0);
    EXPECT_TRUE(world.backend.messages.empty());
    EXPECT_FALSE(world.backend.processEnded);
}

}  // namespace

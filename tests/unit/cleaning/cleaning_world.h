#pragma once
// A headless program with every form registered, and helpers to look at the fake disk.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "cleaning/event_pacer.h"
#include "fakes/test_world.h"
#include "shell/registration.h"
#include "shell/widget_link.h"

namespace cleaning_test {

struct CleaningWorld : fakes::TestWorld {
    // Where the fake's temporary folder and Recent folder are.
    static constexpr const char* kTemp = "C:\\Users\\Tester\\AppData\\Local\\Temp";
    static constexpr const char* kRecent = "C:\\Users\\Tester\\AppData\\Roaming\\Microsoft\\Windows\\Recent";

    // What the engine's routines are handed: the pacing of long work and the widget.
    sparvane::cleaning::EventPacing pacing{app, clock, ctx.orderlyExit};
    sparvane::shell::WidgetLink widget{app};

    CleaningWorld() {
        sparvane::shell::registerForms(ctx);
        clock.autoAdvance = 1;  // the pause after a run must come to an end
    }
};

// A fresh program for each test, with the two folders the tasks work on.
struct CleaningTest : ::testing::Test {
    CleaningWorld w;
    const std::string temp = CleaningWorld::kTemp;
    const std::string recent = CleaningWorld::kRecent;
};

// Every path below `folder` (links are not entered), as "relative\\path".
inline void collectTree(const fakes::FakeFileSystem& fs, const std::string& folder, const std::string& prefix,
                        std::set<std::string>& out) {
    for (const auto& name : fs.childrenOf(folder)) {
        out.insert(prefix + name);
        // A Unix name such as "..\\AppData" is listed but names no entry below this folder.
        if (name == "." || name == ".." || name.find_first_of("\\/") != std::string::npos) continue;
        collectTree(fs, folder + "\\" + name, prefix + name + "\\", out);
    }
}
inline std::set<std::string> treeOf(const fakes::FakeFileSystem& fs, const std::string& folder) {
    std::set<std::string> out;
    collectTree(fs, folder, "", out);
    return out;
}

}  // namespace cleaning_test

#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/tray_icon.h"

namespace fakes {

// The notification area: at most one entry per (window, id), as the shell keeps it.
class FakeTrayIcon : public platform::TrayIcon {
public:
    std::optional<platform::TrayIconData> entry;  // the entry shown now
    std::vector<std::string> calls;               // "add", "modify", "delete", "version" (every call)
    int failedCalls = 0;
    bool taskbarMissing = false;  // no notification area yet: every call fails
    bool version4 = false;        // the entry was switched to the version 4 events

    // Explorer went away: the notification area and every icon in it are gone.
    void loseTaskbar() {
        entry.reset();
        version4 = false;
        taskbarMissing = true;
    }

    bool add(const platform::TrayIconData& d) override {
        calls.push_back("add");
        if (entry || taskbarMissing) return fail();
        entry = d;
        return true;
    }
    bool modify(const platform::TrayIconData& d) override {
        calls.push_back("modify");
        if (!entry || taskbarMissing) return fail();
        entry = d;
        return true;
    }
    bool remove(const platform::TrayIconData&) override {
        calls.push_back("delete");
        if (!entry) return fail();
        entry.reset();
        version4 = false;
        return true;
    }
    bool useVersion4(const platform::TrayIconData&) override {
        calls.push_back("version");
        if (!entry) return fail();
        version4 = true;
        return true;
    }

private:
    bool fail() {
        ++failedCalls;
        return false;
    }
};

}  // namespace fakes

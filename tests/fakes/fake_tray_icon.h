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
    std::vector<std::string> calls;               // "add", "modify", "delete" (every call)
    int failedCalls = 0;

    bool add(const platform::TrayIconData& d) override {
        calls.push_back("add");
        if (entry) return fail();
        entry = d;
        return true;
    }
    bool modify(const platform::TrayIconData& d) override {
        calls.push_back("modify");
        if (!entry) return fail();
        entry = d;
        return true;
    }
    bool remove(const platform::TrayIconData&) override {
        calls.push_back("delete");
        if (!entry) return fail();
        entry.reset();
        return true;
    }

private:
    bool fail() {
        ++failedCalls;
        return false;
    }
};

}  // namespace fakes

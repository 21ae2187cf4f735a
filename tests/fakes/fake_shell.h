#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace fakes {

// One recycle bin shared by all drives (as under Wine), with per-drive query answers.
class FakeRecycleBin : public platform::RecycleBin {
public:
    std::uint64_t items = 0;
    std::uint64_t bytes = 0;
    std::string failQueryOn;  // a drive root whose query fails, or "*" for every drive
    bool failEmpty = false;
    bool ownerRequired = false;                      // refuse to empty without an owner window
    std::vector<platform::WindowHandle> emptyCalls;  // owner of each empty call
    std::vector<unsigned> emptyFlags;
    int iconUpdates = 0;
    std::vector<std::string> queried;

    std::optional<platform::RecycleBinInfo> query(const std::string& root,
                                                  const std::function<void()>& whileWaiting) override {
        queried.push_back(root);
        if (whileWaiting) whileWaiting();
        if (failQueryOn == "*" || failQueryOn == root) return std::nullopt;
        return platform::RecycleBinInfo{bytes, items};
    }
    // Runs while the emptying is under way, in place of the events the real wait lets through.
    std::function<void()> duringEmptying;

    bool emptyAll(platform::WindowHandle owner, unsigned flags, const std::function<void()>& whileWaiting) override {
        emptyCalls.push_back(owner);
        emptyFlags.push_back(flags);
        if (duringEmptying) duringEmptying();
        if (whileWaiting) whileWaiting();
        if (failEmpty || (ownerRequired && owner == 0)) return false;
        items = 0;
        bytes = 0;
        return true;
    }
    void updateIcon() override { ++iconUpdates; }
};

class FakeRecentDocuments : public platform::RecentDocuments {
public:
    std::int32_t result = 0;
    int clears = 0;
    // What the shell does to the Recent folder when asked (Windows deletes the shortcuts;
    // Wine's shell leaves them, which is what an unset hook models).
    std::function<void()> onClear;
    std::int32_t clearList() override {
        ++clears;
        if (onClear) onClear();
        return result;
    }
};

struct ShellExecuteCall {
    platform::WindowHandle owner;
    std::string verb, file, parameters, folder;
    int show;
};

class FakeShell : public platform::Shell {
public:
    std::vector<ShellExecuteCall> calls;
    std::intptr_t result = 42;  // above 32: started
    std::intptr_t execute(platform::WindowHandle owner, const std::string& verb, const std::string& file,
                          const std::string& parameters, const std::string& folder, int show) override {
        calls.push_back({owner, verb, file, parameters, folder, show});
        return result;
    }
};

}  // namespace fakes

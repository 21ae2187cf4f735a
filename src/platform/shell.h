#pragma once
// Shell services: the recycle bin, the recent-documents list, and starting documents or
// programs through the shell.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/types.h"

namespace platform {

struct RecycleBinInfo {
    std::uint64_t sizeBytes = 0;
    std::uint64_t items = 0;
};

namespace recycle_flags {
constexpr unsigned kNoConfirmation = 1;
constexpr unsigned kNoProgressUi = 2;
constexpr unsigned kNoSound = 4;
}  // namespace recycle_flags

class RecycleBin {
public:
    virtual ~RecycleBin() = default;
    // Both calls go through every item of a bin, which takes seconds for a full one: they
    // run off the caller's thread, and the caller waits while whileWaiting runs whenever
    // messages arrive meanwhile, so its windows keep answering. A program that ends during
    // one lets it finish first.
    // SHQueryRecycleBin for one drive root; nullopt when the query fails.
    [[nodiscard]] virtual std::optional<RecycleBinInfo> query(const std::string& root,
                                                              const std::function<void()>& whileWaiting) = 0;
    // SHEmptyRecycleBin with a null root (all drives); owner may be 0. True on success.
    [[nodiscard]] virtual bool emptyAll(WindowHandle owner, unsigned flags,
                                        const std::function<void()>& whileWaiting) = 0;
    virtual void updateIcon() = 0;
};

class RecentDocuments {
public:
    virtual ~RecentDocuments() = default;
    // SHAddToRecentDocs(0, NULL): asks the shell to clear its recent-documents list.
    // Returns the 32-bit status read back (0 = done).
    [[nodiscard]] virtual std::int32_t clearList() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecute; a result above 32 means the document or program was started.
    [[nodiscard]] virtual std::intptr_t execute(WindowHandle owner, const std::string& verb, const std::string& file,
                                                const std::string& parameters, const std::string& folder,
                                                int showCommand) = 0;
};

constexpr int kShowNormal = 1;

}  // namespace platform

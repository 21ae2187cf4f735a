#pragma once
// The shell's recycle bin, recent-documents list and ShellExecute.
#include "platform/shell.h"

namespace platform::win32 {

class RecycleBinWin32 final : public RecycleBin {
public:
    [[nodiscard]] std::optional<RecycleBinInfo> query(const std::string& root,
                                                      const std::function<void()>& whileWaiting) override;
    [[nodiscard]] bool emptyAll(WindowHandle owner, unsigned flags, const std::function<void()>& whileWaiting) override;
    void updateIcon() override;
};

class RecentDocumentsWin32 final : public RecentDocuments {
public:
    [[nodiscard]] std::int32_t clearList() override;
};

class ShellWin32 final : public Shell {
public:
    [[nodiscard]] std::intptr_t execute(WindowHandle owner, const std::string& verb, const std::string& file,
                                        const std::string& parameters, const std::string& folder,
                                        int showCommand) override;
};

}  // namespace platform::win32

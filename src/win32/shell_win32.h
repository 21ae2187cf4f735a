#pragma once
// The shell's recycle bin, recent-documents list and ShellExecute.
#include "platform/shell.h"

namespace win32 {

class RecycleBinWin32 final : public platform::RecycleBin {
public:
    [[nodiscard]] std::optional<platform::RecycleBinInfo> query(const std::string& root,
                                                                const std::function<void()>& whileWaiting) override;
    [[nodiscard]] bool emptyAll(platform::WindowHandle owner, unsigned flags,
                                const std::function<void()>& whileWaiting) override;
    void updateIcon() override;
};

class RecentDocumentsWin32 final : public platform::RecentDocuments {
public:
    [[nodiscard]] std::int32_t clearList() override;
};

class ShellWin32 final : public platform::Shell {
public:
    [[nodiscard]] std::intptr_t execute(platform::WindowHandle owner, const std::string& verb, const std::string& file,
                                        const std::string& parameters, const std::string& folder,
                                        int showCommand) override;
};

}  // namespace win32

#pragma once
// frmMain: the temp-file clean-up window with its three-task check list.
#include <array>

#include "common/context.h"
#include "forms/form.h"

namespace sparvane::cleaning {

class frmMain : public forms::Form {
public:
    explicit frmMain(Context& ctx);

    forms::CheckBox& chkSelectAll;
    std::array<forms::CommandButton*, 2> cmdChoice;  // 0 "&Ok", 1 "E&xit"

private:
    Context& ctx_;
};

}  // namespace sparvane::cleaning

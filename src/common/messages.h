#pragma once
// Information boxes with the standard caption, and system error texts for reports.
#include <cstdint>
#include <string>

#include "forms/application.h"
#include "platform/desktop.h"

namespace sparvane::common {

// Modal information box (information icon, OK only) captioned FormatCaption(title).
void InfoMsg(forms::Application& app, const std::string& message, const std::string& title = {});

// The trimmed title, or, when nothing printable is left of it, the executable's name and
// version ("sparvane v" and sparvane::version::kText).
std::string FormatCaption(const forms::AppInfo& info, const std::string& title);

// The system's text for an error code as it wrote it (line break included), from a
// 256-character buffer; "" for an unknown code or a text that does not fit.
std::string SystemErrorText(platform::SystemErrors& errors, std::uint32_t code);

// Layout of the reports shared routines show: the sentence, the system's text in brackets
// when a code is involved, an empty line and the source of the report.
std::string ErrorReport(const std::string& sentence, const std::string& source);
std::string ErrorReport(const std::string& sentence, const std::string& systemText, const std::string& source);

}  // namespace sparvane::common

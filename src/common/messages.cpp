#include "common/messages.h"

#include "common/trim_str.h"

namespace sparvane::common {

namespace {
constexpr std::size_t kErrorTextBufferChars = 256;
}

void InfoMsg(forms::Application& app, const std::string& message, const std::string& title) {
    (void)app.msgBox(message, forms::msgbox::kInformation | forms::msgbox::kOkOnly, FormatCaption(app.info(), title));
}

std::string FormatCaption(const forms::AppInfo& info, const std::string& title) {
    std::string trimmed = TrimStr(title);
    if (!trimmed.empty()) return trimmed;
    return info.exeName + " v" + std::to_string(info.major) + "." + std::to_string(info.minor) + "." +
           std::to_string(info.revision);
}

std::string SystemErrorText(platform::SystemErrors& errors, std::uint32_t code) {
    return errors.formatMessage(code, kErrorTextBufferChars);
}

std::string ErrorReport(const std::string& sentence, const std::string& source) {
    return sentence + "\r\n\r\nSource:    " + source;
}

std::string ErrorReport(const std::string& sentence, const std::string& systemText, const std::string& source) {
    // The system's text ends with its own line break, so "]" opens the next line.
    return sentence + "\r\n[" + systemText + "]\r\n\r\nSource:    " + source;
}

}  // namespace sparvane::common

#pragma once
// Path helpers of the cleaning engine. Paths are UTF-8 Windows paths; the separator is "\".
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace sparvane::cleaning {

// What getProperCasePath answers when a component of the path cannot be found.
inline constexpr std::string_view kUnknownPath = "[Unknown]";

// The path without blanks and control characters (codes 0 to 32) at either end. Paths are
// never trimmed by the display-text rule, which would cut letters such as "é" or any
// Cyrillic or CJK character off a folder's name and point at another folder.
std::string trimBlanksAndControls(std::string_view path);

// The path, trimmed, with `separator` at its end (exactly once more than before if it had
// none). An empty path gives the separator alone.
std::string addTrailingSeparator(std::string_view path, char separator = '\\');
// The path, trimmed, without its last character when that is `separator`. Only one
// separator goes: "C:\a\\" gives "C:\a\".
std::string removeTrailingSeparator(std::string_view path, char separator = '\\');

// Every word of the text with its first letter upper case and the rest lower case. Only
// ASCII letters change case: the file system matches names without regard to case, and a
// letter we cannot map is left as the file system spelled it.
std::string properCase(std::string_view text);

// Expands a path (short components, odd case) into the names the file system lists, each
// in proper case, with the drive letter upper case and no trailing separator. Every
// component is looked up, the last one too; when one of them cannot be found the answer is
// "[Unknown]".
std::string getProperCasePath(platform::FileSystem& fs, std::string_view path);

}  // namespace sparvane::cleaning

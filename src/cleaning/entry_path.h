#pragma once
// The rules that keep a sweep inside the folder it sweeps. A listed name is untrusted input:
// under Wine a Unix name may hold "\" (a folder literally named "..\AppData"), and joining
// such a name into a path would lead out of the folder.
#include <optional>
#include <string>
#include <string_view>

namespace sparvane::cleaning {

// Whether `name` is exactly one path component: not empty, not "." or "..", and free of
// separators, the drive/stream colon and wildcard characters. A name in any script is one.
[[nodiscard]] bool isSingleComponent(std::string_view name);

// The path with "/" read as "\", repeated separators collapsed, "." components dropped and
// ".." components applied, as the system resolves a path it is given. The root ("C:\" or
// "\\server\share\") is never left; a path without one comes back as it was.
[[nodiscard]] std::string normalisedPath(std::string_view path);

// Whether `path`, normalised, lies strictly inside `folder`, normalised.
[[nodiscard]] bool liesInside(std::string_view path, std::string_view folder);

// The full path of entry `name` of `folder` (which ends with "\"), or nullopt when the name
// is not one component or the joined path would not lie inside `root`, the folder the
// sweep was asked to clean.
[[nodiscard]] std::optional<std::string> entryPathInside(const std::string& folder, std::string_view name,
                                                         std::string_view root);

}  // namespace sparvane::cleaning

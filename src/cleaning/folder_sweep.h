#pragma once
// The folder sweep: empties a folder, deepest entries first, and changes nothing outside it.
#include <string>
#include <vector>

#include "cleaning/event_pacer.h"
#include "platform/file_system.h"

namespace sparvane::cleaning {

// Deletes everything inside `folder`; the folder itself stays. Each level is listed whole
// before anything in it is touched, then worked through from its last entry back. An entry
// is left alone when its name is not one path component, when its path would not lie
// inside `folder`, or when it is not provably itself (a link, junction or mount point, or
// anything that cannot be inspected). Entries in use stay; nothing is reported.
void deleteFolderContents(platform::FileSystem& fs, const EventPacing& pacing, const std::string& folder);

// Deletes the file at `path`, whose facts were just read. A read-only file loses that
// attribute for the deletion only, and gets it back when the deletion fails (a file in use);
// a file with other names keeps it: they share its attributes, and a read-only file linked
// from outside stays protected. Hidden and system are never touched.
void removeFileEntry(platform::FileSystem& fs, const std::string& path, const platform::EntryFacts& facts);

// Removes a folder the sweep has just emptied, when it may change and nothing stayed in it,
// with the same care for its read-only attribute as removeFileEntry.
void removeEmptiedFolder(platform::FileSystem& fs, const std::string& path);

// Whether the facts describe an entry the sweep may change.
[[nodiscard]] bool mayChange(const std::optional<platform::EntryFacts>& facts);

}  // namespace sparvane::cleaning

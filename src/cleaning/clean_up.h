#pragma once
// The cleaning engine: one routine per task of the clean-up window's check list, and the
// folder sweep they share. No routine shows anything; each task reports a Boolean.
#include <memory>
#include <string>
#include <vector>

#include "common/context.h"

namespace sparvane::cleaning {

// Task 0: empties the user's temporary folder (the folder itself stays). Refused (False)
// unless the folder's last component is "temp", it expands to a real path below a drive
// root, and it exists.
bool CleanTempFolder(Context& ctx);

// Task 1: empties the recycle bins of all drives once a fixed drive's bin holds something.
// True when at least one fixed drive was examined and no emptying failed.
bool EmptyRecycleBins(Context& ctx);

// Task 2: clears the recent-documents list. True only when the list is really empty
// afterwards: shortcuts that the shell left in the Recent folder are removed here.
bool ClearRecentDocuments(Context& ctx);

// Deletes everything inside `folder`, deepest entries first; the folder itself stays.
// Links (entries with the reparse-point attribute) are neither entered nor deleted, so
// nothing outside the folder is ever touched. Entries in use stay; nothing is reported.
void DeleteFolderContents(Context& ctx, const std::string& folder);

// The ordered collection of full entry paths one level of the sweep works through.
using EntryCollection = std::unique_ptr<std::vector<std::string>>;
// Empties the collection from the last item back and releases it (the reference is empty
// afterwards). A reference holding nothing is left as it is.
void ClearCollection(EntryCollection& collection);

}  // namespace sparvane::cleaning

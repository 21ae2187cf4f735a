#pragma once
// The cleaning engine: one routine per task of the clean-up window's check list (the folder
// sweep they share is in folder_sweep.h). No routine shows anything; each task reports a
// Boolean.
#include "cleaning/event_pacer.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/window_manager.h"

namespace sparvane::cleaning {

// Task 0: empties the user's temporary folder (the folder itself stays). Refused (False)
// unless the folder's last component is "temp", it expands to a real path below a drive
// root, and it exists; when it is a link or junction, where it leads must pass the same
// checks, and is what gets swept.
bool cleanTempFolder(platform::FileSystem& fs, const EventPacing& pacing);

// Task 1: empties the recycle bins of all drives once a fixed drive's bin holds something.
// True when every fixed drive's bin was examined (at least one) and no emptying failed. The
// window's events run while the bins are emptied.
bool emptyRecycleBins(platform::FileSystem& fs, platform::RecycleBin& bin, platform::WindowManager& windows,
                      const EventPacing& pacing);

// Task 2: clears the recent-documents list. True only when the list is really empty
// afterwards: shortcuts that the shell left in the Recent folder are removed here.
bool clearRecentDocuments(platform::RecentDocuments& recentDocuments, platform::FileSystem& fs);

}  // namespace sparvane::cleaning

#pragma once
#include <atomic>
#include <string>

#include "bink/bink_examine.h"
#include "bink/folder_walk.h"

namespace vintrel {

// Opens the file for reading only, sharing it with writers and deleters,
// and examines its header and frame index. Anything that is not a file on a
// disk (a folder, a pipe, a device) is unreadable; nothing waits on it, and
// a pipe's server cannot act as the user. `graphColumns` as ExamineBink's.
// Once `stop` is set, no more is read and the file counts as unreadable: a
// scan being cancelled does not wait for the rest of a long frame index.
BinkExamination ExamineBinkFile(const SystemString& path, size_t graphColumns = 0,
                                const std::atomic<bool>* stop = nullptr);

// The form the system's calls take: on Windows the absolute "\\?\" form,
// which lifts the 260-character limit; elsewhere the path itself.
SystemString SystemPath(const SystemString& path);

// Lists a folder named in the system's form. Links to folders and
// junctions are not marked as folders: they could lead back up the tree.
FolderListing ListFolder(const SystemString& folder);

}  // namespace vintrel

#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bink/folder_row.h"
#include "win/unique_handle.h"

namespace vintrel {

// Examines the videos below a folder on a thread of its own, one file after
// another in the walk's order (bikinfo's), keeping no frame data. The window
// that asked is never touched from that thread: it is posted `message`
// whenever files are waiting, at most one such message at a time (and one
// more, with wParam 1, at the end), and takes them with Take.
class FolderScan {
 public:
  FolderScan(std::wstring folder, bool recursive, HWND window, UINT message);
  // Cancels the scan: the thread stops between two reads. It is waited for
  // only briefly; one stuck in a slow read ends by itself, holding nothing
  // of the window's.
  ~FolderScan();
  FolderScan(const FolderScan&) = delete;
  FolderScan& operator=(const FolderScan&) = delete;

  struct Batch {
    std::vector<FolderFile> files;  // read since the last Take
    uint64_t found = 0;             // videos listed so far; grows as the walk goes on
    uint64_t done = 0;              // of them, examined
    bool finished = false;
    bool failed = false;  // the scan stopped before its end: no memory, or no thread
  };
  Batch Take();

  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
  win::UniqueKernelHandle thread_;
};

}  // namespace vintrel

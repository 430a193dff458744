#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace vintrel {

// What the folder window asks of the main window, with a file's path.
struct FolderActions {
  std::function<void(const std::wstring&)> show;  // Enter or a double click on a row
  std::function<void(const std::wstring&)> play;  // "Смотреть"
};

// The folder window: one row per Bink video of a folder (and, with "С
// подпапками", of its sub-folders) with bikinfo's facts and verdict, read on
// a worker thread while the window answers. Beside the main window, not
// owned by it, so that either can be in front. Its size and column widths
// last for the session.
class FolderWindow {
 public:
  virtual ~FolderWindow() = default;
  // Shows `folder`'s videos, making the window anew after it was closed; a
  // scan of the folder shown before is cancelled. False when the window
  // could not be made.
  virtual bool Open(const std::wstring& folder) = 0;
  virtual void Close() = 0;

  static std::unique_ptr<FolderWindow> Make(HICON bigIcon, HICON smallIcon, FolderActions actions);
};

}  // namespace vintrel

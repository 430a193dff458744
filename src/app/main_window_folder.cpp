// The main window's side of the folder window.
#include "app/main_window.h"
#include "bink/bink_read.h"
#include "common/app_error.h"
#include "dialogs/folder_picker.h"
#include "dialogs/message_box.h"

namespace vintrel {

bool MainWindow::OpenIfFolder(const std::wstring& path) {
  // As bikinfo tells a folder from a file.
  const DWORD attributes = ::GetFileAttributesW(SystemPath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  OpenFolder(path);
  return true;
}

void MainWindow::OpenFolder(const std::wstring& folder) {
  if (!folder_) {
    // Nothing runs under a box or the settings window of this one: what it
    // holds would be overwritten once that flow goes on.
    const auto when = [this](void (MainWindow::*action)(const std::wstring&)) {
      return [this, action](const std::wstring& file) {
        if (::IsWindowEnabled(hwnd()))
          (this->*action)(file);
        else
          ::MessageBeep(MB_OK);
      };
    };
    folder_ = FolderWindow::Make(icons_.window.get(), icons_.windowSmall.get(),
                                 {when(&MainWindow::ShowFile), when(&MainWindow::PlayPath)});
  }
  if (!folder_->Open(folder))
    ShowMessage(LoadErrorText(errors::OutOfMemory()), kErrorTitle);
}

void MainWindow::ChooseFolder() {
  const FolderChoice choice = AskForFolder(hwnd());
  if (!choice.failure.empty())
    ShowMessage(choice.failure, kErrorTitle);
  else if (!choice.folder.empty())
    OpenFolder(choice.folder);
}

}  // namespace vintrel

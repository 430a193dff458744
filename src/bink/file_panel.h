#pragma once
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace vintrel {

class MainWindow;

// "Обзор": the open dialog, then the file's header in the two frames.
void RunBrowseFlow(MainWindow& window);
// A file dropped on the main window is shown exactly like a chosen one.
void DropFiles(MainWindow& window, HDROP drop);
// From the chosen path on: the current file, the header, the labels.
void ShowChosenFile(MainWindow& window, const std::wstring& path);

}  // namespace vintrel

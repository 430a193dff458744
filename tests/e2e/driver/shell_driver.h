#pragma once
// Driver pieces for the shell integration and the About window: the program's
// other top-level windows, clicks on link labels, opening documents and links
// through the shell, and registry set-ups the tests need.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "driver.h"

namespace vintrel::e2e {

// A visible top-level window of the process that holds a control with this id.
HWND WaitForWindowWithControl(DWORD pid, int controlId, Millis timeout = kDefaultTimeout);

// A press of the left mouse button on a label, posted as the mouse would
// deliver it; a label that notifies its parent turns it into STN_CLICKED.
void ClickLabel(HWND label);

// Opens a document with the shell's "open" verb, as a double click in the file
// manager does. Returns the process the shell started; throws when it fails.
UniqueHandle ShellOpen(const std::filesystem::path& document);

// Rectangle of a control in screen pixels.
RECT ScreenRect(HWND hwnd);

// Counts pixels of `color` on the screen within `rect`.
int CountScreenPixels(const RECT& rect, COLORREF color);

// While alive, the shell hands links of `scheme` (http, mailto...) to the URL
// recorder, which appends each command line it gets to `log`. The handler the
// prefix had before is put back afterwards.
class UrlHandlerOverride {
 public:
  UrlHandlerOverride(std::wstring scheme, const std::filesystem::path& log);
  ~UrlHandlerOverride();
  UrlHandlerOverride(const UrlHandlerOverride&) = delete;
  UrlHandlerOverride& operator=(const UrlHandlerOverride&) = delete;

 private:
  std::wstring scheme_;
  std::wstring saved_;  // where the previous handler waits, below HKEY_CLASSES_ROOT
};

// The argument after the log path of every command line the recorder logged,
// in order; "<N arguments> command line" for a start that did not get exactly
// one, so a split link shows in the failure message.
std::vector<std::wstring> RecordedLinks(const std::filesystem::path& log);
std::vector<std::wstring> WaitForRecordedLinks(const std::filesystem::path& log, size_t count,
                                               Millis timeout = kDefaultTimeout);

// A key below HKEY_CLASSES_ROOT whose security denies `deniedAccess` to
// everybody while this lives. Destruction lifts the denial and deletes the
// key with all its sub-keys.
class RefusingKey {
 public:
  RefusingKey(std::wstring subKey, REGSAM deniedAccess);
  ~RefusingKey();
  RefusingKey(const RefusingKey&) = delete;
  RefusingKey& operator=(const RefusingKey&) = delete;

 private:
  std::wstring subKey_;
};

// Creates the key (and the keys above it) and sets its default value.
void WriteRegString(HKEY root, const std::wstring& subKey, const std::wstring& value);

}  // namespace vintrel::e2e

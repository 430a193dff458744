#include <windows.h>

#include <string>

#include "bikinfo/bikinfo_run.h"
#include "bink/bink_read.h"
#include "ui/system_error.h"
#include "ui/unique_handle.h"
#include "ui/utf8.h"

namespace vintrel {
namespace {

namespace fs = std::filesystem;

struct FindTraits {
  using Type = HANDLE;
  static Type Empty() { return INVALID_HANDLE_VALUE; }
  static void Release(Type h) { ::FindClose(h); }
};

// Output collected and written in large pieces: to a console as UTF-16
// (so Russian shows whatever its code page), anywhere else as UTF-8 bytes.
class Output {
 public:
  explicit Output(DWORD which) : handle_(::GetStdHandle(which)) {
    DWORD mode = 0;
    console_ = ::GetConsoleMode(handle_, &mode) != 0;
  }
  ~Output() { Flush(); }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void Write(std::string_view utf8) {
    pending_ += utf8;
    if (pending_.size() >= 16 * 1024) {
      Flush();
    }
  }

  bool Flush() {
    bool ok = true;
    if (console_) {
      const int size = ::MultiByteToWideChar(CP_UTF8, 0, pending_.data(),
                                             static_cast<int>(pending_.size()), nullptr, 0);
      std::wstring wide(size > 0 ? size : 0, L'\0');
      ::MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(pending_.size()),
                            wide.data(), size);
      DWORD written = 0;
      ok = wide.empty() || ::WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()),
                                           &written, nullptr);
    } else {
      DWORD written = 0;
      ok = pending_.empty() ||
           (::WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &written,
                        nullptr) &&
            written == pending_.size());
    }
    pending_.clear();
    return ok;
  }

 private:
  HANDLE handle_;
  bool console_ = false;
  std::string pending_;
};

class Win32System : public BikinfoSystem {
 public:
  explicit Win32System(Output& out) : out_(out) {}

  bool IsFolder(const fs::path& path) override {
    const DWORD attributes = ::GetFileAttributesW(SystemPath(path.native()).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  void ListFolder(const fs::path& folder, bool recursive, const FileFound& file,
                  const FolderFailed& failed) override {
    const std::wstring pattern = SystemPath(folder.native()) + L"\\*";
    WIN32_FIND_DATAW found;
    ui::UniqueHandle<FindTraits> find(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                                         FindExSearchNameMatch, nullptr,
                                                         FIND_FIRST_EX_LARGE_FETCH));
    if (!find) {
      const DWORD code = ::GetLastError();
      if (code != ERROR_FILE_NOT_FOUND) {
        failed(folder, "папка не читается: " + ui::Narrow(ui::SystemErrorText(code)));
      }
      return;
    }
    do {
      const std::wstring_view name = found.cFileName;
      if (name == L"." || name == L"..") {
        continue;
      }
      const fs::path path = folder / fs::path(std::wstring(name));
      const DWORD attributes = found.dwFileAttributes;
      if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        // Junctions and links are not followed: they could lead back up the tree.
        if (recursive && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
          ListFolder(path, true, file, failed);
        }
      } else {
        file(path);
      }
    } while (::FindNextFileW(find.get(), &found));
  }

  BinkExamination Examine(const fs::path& file) override { return ExamineBinkFile(file.native()); }
  std::string Display(const fs::path& path) override { return ui::Narrow(path.native()); }
  void Write(std::string_view utf8) override { out_.Write(utf8); }

 private:
  Output& out_;
};

}  // namespace
}  // namespace vintrel

int wmain(int argc, wchar_t** argv) {
  std::vector<std::filesystem::path> args(argv + 1, argv + argc);
  std::string error;
  const auto options = vintrel::ParseBikinfoArgs(args, error);
  if (!options) {
    vintrel::Output err(STD_ERROR_HANDLE);
    err.Write("bikinfo: " + error + "\n" + vintrel::kBikinfoUsage);
    return 2;
  }
  vintrel::Output out(STD_OUTPUT_HANDLE);
  if (options->help) {
    out.Write(vintrel::kBikinfoUsage);
    return 0;
  }
  vintrel::Win32System system(out);
  const int code = vintrel::RunBikinfo(*options, system);
  return out.Flush() ? code : 1;
}

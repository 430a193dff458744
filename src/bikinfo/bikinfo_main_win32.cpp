#include <windows.h>

#include <string>

#include "bikinfo/bikinfo_run.h"
#include "bink/bink_read.h"
#include "win/system_error.h"
#include "win/utf8.h"

namespace vintrel {
namespace {

// Output collected and written in large pieces: to a console as UTF-16
// (so Russian shows whatever its code page), anywhere else as UTF-8 bytes.
class Output {
 public:
  explicit Output(DWORD which) : handle_(::GetStdHandle(which)) {
    DWORD mode = 0;
    console_ = ::GetConsoleMode(handle_, &mode) != 0;
  }
  ~Output() {
    std::string ignored;
    Flush(ignored);
  }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // False once a piece could not be written; nothing is written after it.
  bool Write(std::string_view utf8, std::string& error) {
    pending_ += utf8;
    return pending_.size() < 16 * 1024 ? Failed(error) : Flush(error);
  }

  bool Flush(std::string& error) {
    if (failure_.empty() && !pending_.empty() && !WritePending()) {
      failure_ = win::Narrow(win::SystemErrorText(::GetLastError()));
    }
    pending_.clear();
    return Failed(error);
  }

 private:
  bool Failed(std::string& error) const {
    error = failure_;
    return failure_.empty();
  }

  bool WritePending() {
    DWORD written = 0;
    if (console_) {
      const std::wstring wide = win::Widen(pending_);
      return ::WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written,
                             nullptr) != 0;
    }
    for (size_t done = 0; done < pending_.size(); done += written) {
      if (!::WriteFile(handle_, pending_.data() + done, static_cast<DWORD>(pending_.size() - done),
                       &written, nullptr)) {
        return false;
      }
    }
    return true;
  }

  HANDLE handle_;
  bool console_ = false;
  std::string pending_;
  std::string failure_;
};

class Win32System : public BikinfoSystem {
 public:
  Win32System(Output& out, Output& err) : out_(out), err_(err) {}

  FolderListing List(const SystemString& folder) override { return ListFolder(folder); }
  SystemString SystemForm(const SystemString& path) override { return SystemPath(path); }

  bool IsFolder(const SystemString& path) override {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  BinkExamination Examine(const SystemString& file) override { return ExamineBinkFile(file); }
  std::string Display(const std::filesystem::path& path) override {
    return win::Narrow(path.native());
  }
  bool Write(std::string_view utf8, std::string& error) override { return out_.Write(utf8, error); }
  bool Flush(std::string& error) override { return out_.Flush(error); }
  void Complain(std::string_view utf8) override {
    std::string ignored;
    err_.Write(utf8, ignored);
    err_.Flush(ignored);
  }

 private:
  Output& out_;
  Output& err_;
};

}  // namespace
}  // namespace vintrel

int wmain(int argc, wchar_t** argv) {
  vintrel::Output out(STD_OUTPUT_HANDLE);
  vintrel::Output err(STD_ERROR_HANDLE);
  vintrel::Win32System system(out, err);
  return vintrel::RunBikinfo({argv + 1, argv + argc}, system);
}

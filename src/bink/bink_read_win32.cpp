#include <windows.h>

#include "bink/bink_read.h"
#include "win/system_error.h"
#include "win/unique_handle.h"
#include "win/utf8.h"

namespace vintrel {
namespace {

using FileHandle = win::UniqueHandle<win::FileHandleTraits>;

struct FindTraits {
  using Type = HANDLE;
  static Type Empty() { return INVALID_HANDLE_VALUE; }
  static void Release(Type h) { ::FindClose(h); }
};

std::string ErrorText(DWORD code) {
  return win::Narrow(win::SystemErrorText(code));
}

class Win32Source : public ByteSource {
 public:
  Win32Source(HANDLE file, uint64_t size, const std::atomic<bool>* stop)
      : file_(file), size_(size), stop_(stop) {}

  uint64_t Size() const override { return size_; }

  bool Read(uint64_t offset, std::span<uint8_t> out, std::string& error) override {
    if (stop_ && stop_->load()) {
      error = "чтение прервано";
      return false;
    }
    size_t done = 0;
    while (done < out.size()) {
      OVERLAPPED at{};
      at.Offset = static_cast<DWORD>(offset + done);
      at.OffsetHigh = static_cast<DWORD>((offset + done) >> 32);
      DWORD got = 0;
      const DWORD want = static_cast<DWORD>(out.size() - done);
      if (!::ReadFile(file_, out.data() + done, want, &got, &at)) {
        error = ErrorText(::GetLastError());
        return false;
      }
      if (got == 0) {
        error = "файл укоротился при чтении";
        return false;
      }
      done += got;
    }
    return true;
  }

 private:
  HANDLE file_;
  uint64_t size_;
  const std::atomic<bool>* stop_;
};

}  // namespace

SystemString SystemPath(const SystemString& path) {
  const std::wstring& text = path;
  if (text.rfind(L"\\\\?\\", 0) == 0 || text.rfind(L"\\\\.\\", 0) == 0) {
    return path;
  }
  const DWORD size = ::GetFullPathNameW(text.c_str(), 0, nullptr, nullptr);
  if (size == 0) {
    return path;
  }
  std::wstring full(size, L'\0');
  const DWORD length = ::GetFullPathNameW(text.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) {
    return path;
  }
  full.resize(length);
  if (full.rfind(L"\\\\.\\", 0) == 0) {
    return full;  // a device such as COM1
  }
  if (full.rfind(L"\\\\", 0) == 0) {
    return L"\\\\?\\UNC\\" + full.substr(2);
  }
  return L"\\\\?\\" + full;
}

BinkExamination ExamineBinkFile(const SystemString& path, size_t graphColumns,
                                const std::atomic<bool>* stop) {
  const std::wstring system = SystemPath(path);
  // Backup semantics would open folders too; they are turned away below. A
  // pipe's server named as a file may identify the user, not act as him.
  FileHandle file(::CreateFileW(
      system.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
      nullptr));
  if (!file) {
    return Unreadable(ErrorText(::GetLastError()));
  }
  // A pipe or a device (COM1, CON) could block a read forever.
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
    return Unreadable("не файл на диске");
  }
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) {
    return Unreadable(ErrorText(::GetLastError()));
  }
  Win32Source source(file.get(), static_cast<uint64_t>(size.QuadPart), stop);
  return ExamineBink(source, graphColumns);
}

FolderListing ListFolder(const SystemString& folder) {
  FolderListing listing;
  const std::wstring pattern = JoinPath(folder, L"*");
  WIN32_FIND_DATAW found;
  win::UniqueHandle<FindTraits> find(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                                        FindExSearchNameMatch, nullptr,
                                                        FIND_FIRST_EX_LARGE_FETCH));
  DWORD code = find ? ERROR_SUCCESS : ::GetLastError();
  while (find) {
    const std::wstring_view name = found.cFileName;
    const DWORD attributes = found.dwFileAttributes;
    const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // A junction or a linked folder is neither a file nor followed.
    const bool linked = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (name != L"." && name != L".." && !(isFolder && linked)) {
      listing.entries.push_back({std::wstring(name), isFolder});
    }
    if (!::FindNextFileW(find.get(), &found)) {
      code = ::GetLastError();
      break;
    }
  }
  // No match at all is an empty folder (or drive); anything else but the
  // listing's end is a failure, whatever was listed before it.
  if (code != ERROR_NO_MORE_FILES && code != ERROR_FILE_NOT_FOUND) {
    listing.failure = "папка не читается: " + ErrorText(code);
  }
  return listing;
}

}  // namespace vintrel

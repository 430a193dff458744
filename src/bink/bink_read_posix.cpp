#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "bink/bink_read.h"

namespace vintrel {
namespace {

std::string ErrorText(int code) {
  switch (code) {
    case ENOENT:
      return "нет такого файла";
    case EACCES:
    case EPERM:
      return "нет доступа";
    case ENAMETOOLONG:
      return "слишком длинное имя";
    default:
      return std::strerror(code);
  }
}

class PosixSource : public ByteSource {
 public:
  PosixSource(int fd, uint64_t size, const std::atomic<bool>* stop)
      : fd_(fd), size_(size), stop_(stop) {}
  ~PosixSource() override { ::close(fd_); }
  PosixSource(const PosixSource&) = delete;
  PosixSource& operator=(const PosixSource&) = delete;

  uint64_t Size() const override { return size_; }

  bool Read(uint64_t offset, std::span<uint8_t> out, std::string& error) override {
    if (stop_ && stop_->load()) {
      error = "чтение прервано";
      return false;
    }
    size_t done = 0;
    while (done < out.size()) {
      const ssize_t got =
          ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) {
        continue;
      }
      if (got <= 0) {
        error = got == 0 ? "файл укоротился при чтении" : ErrorText(errno);
        return false;
      }
      done += static_cast<size_t>(got);
    }
    return true;
  }

 private:
  int fd_;
  uint64_t size_;
  const std::atomic<bool>* stop_;
};

std::string NotAFile(const struct stat& info) {
  return S_ISDIR(info.st_mode) ? "это папка" : "не файл на диске";
}

}  // namespace

SystemString SystemPath(const SystemString& path) {
  return path;
}

BinkExamination ExamineBinkFile(const SystemString& path, size_t graphColumns,
                                const std::atomic<bool>* stop) {
  // A device is not even opened: opening one can act on it. What is opened
  // is checked again, as the name may since have been given to another.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return Unreadable(ErrorText(errno));
  }
  if (!S_ISREG(info.st_mode)) {
    return Unreadable(NotAFile(info));
  }
  // Non-blocking, so that opening a pipe with no writer does not wait; a
  // terminal does not become the program's.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return Unreadable(ErrorText(errno));
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const std::string reason = NotAFile(info);
    ::close(fd);
    return Unreadable(reason);
  }
  PosixSource source(fd, static_cast<uint64_t>(info.st_size), stop);
  return ExamineBink(source, graphColumns);
}

FolderListing ListFolder(const SystemString& folder) {
  FolderListing listing;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) {
    listing.failure = std::string("папка не читается: ") + std::strerror(errno);
    return listing;
  }
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (entry == nullptr) {
      if (errno != 0) {
        listing.failure = std::string("папка не читается: ") + std::strerror(errno);
      }
      break;
    }
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") {
      continue;
    }
    bool isFolder = entry->d_type == DT_DIR;
    if (entry->d_type == DT_UNKNOWN) {
      struct stat info {};
      isFolder = ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                 S_ISDIR(info.st_mode);
    }
    listing.entries.push_back({std::string(name), isFolder});
  }
  ::closedir(dir);
  return listing;
}

}  // namespace vintrel

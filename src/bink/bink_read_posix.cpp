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
  PosixSource(int fd, uint64_t size) : fd_(fd), size_(size) {}
  ~PosixSource() override { ::close(fd_); }
  PosixSource(const PosixSource&) = delete;
  PosixSource& operator=(const PosixSource&) = delete;

  uint64_t Size() const override { return size_; }

  bool Read(uint64_t offset, std::span<uint8_t> out, std::string& error) override {
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
};

}  // namespace

SystemString SystemPath(const SystemString& path) {
  return path;
}

BinkExamination ExamineBinkFile(const SystemString& path) {
  // Non-blocking, so that opening a pipe with no writer does not wait.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return Unreadable(ErrorText(errno));
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const bool folder = S_ISDIR(info.st_mode);
    ::close(fd);
    return Unreadable(folder ? "это папка" : "не файл на диске");
  }
  PosixSource source(fd, static_cast<uint64_t>(info.st_size));
  return ExamineBink(source);
}

}  // namespace vintrel

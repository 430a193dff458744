#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "bikinfo/bikinfo_run.h"
#include "bink/bink_read.h"

namespace vintrel {
namespace {

class PosixSystem : public BikinfoSystem {
 public:
  FolderListing List(const SystemString& folder) override { return ListFolder(folder); }
  SystemString SystemForm(const SystemString& path) override { return path; }

  bool IsFolder(const SystemString& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }

  BinkExamination Examine(const SystemString& file) override { return ExamineBinkFile(file); }
  std::string Display(const std::filesystem::path& path) override { return path.string(); }

  bool Write(std::string_view utf8, std::string& error) override {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return Healthy(error);
  }

  bool Flush(std::string& error) override {
    std::fflush(stdout);
    return Healthy(error);
  }

  void Complain(std::string_view utf8) override {
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  }

 private:
  // The stream's error state stays set once a write failed.
  bool Healthy(std::string& error) {
    if (std::ferror(stdout) == 0) {
      return true;
    }
    error = errno != 0 ? std::strerror(errno) : "ошибка записи";
    return false;
  }
};

}  // namespace
}  // namespace vintrel

int main(int argc, char** argv) {
  vintrel::PosixSystem system;
  return vintrel::RunBikinfo({argv + 1, argv + argc}, system);
}

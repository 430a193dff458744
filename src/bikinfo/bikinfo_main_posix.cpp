#include <cstdio>
#include <system_error>

#include "bikinfo/bikinfo_run.h"
#include "bink/bink_read.h"

namespace vintrel {
namespace {

namespace fs = std::filesystem;

class PosixSystem : public BikinfoSystem {
 public:
  bool IsFolder(const fs::path& path) override {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
  }

  void ListFolder(const fs::path& folder, bool recursive, const FileFound& file,
                  const FolderFailed& failed) override {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
      std::error_code ignored;
      // Links to folders are not followed: they could lead back up the tree.
      if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
        if (recursive) {
          ListFolder(it->path(), true, file, failed);
        }
      } else {
        file(it->path());
      }
    }
    if (error) {
      failed(folder, "папка не читается: " + error.message());
    }
  }

  BinkExamination Examine(const fs::path& file) override { return ExamineBinkFile(file.native()); }
  std::string Display(const fs::path& path) override { return path.string(); }
  void Write(std::string_view utf8) override { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }
};

}  // namespace
}  // namespace vintrel

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> args(argv + 1, argv + argc);
  std::string error;
  const auto options = vintrel::ParseBikinfoArgs(args, error);
  if (!options) {
    std::fprintf(stderr, "bikinfo: %s\n%s", error.c_str(), vintrel::kBikinfoUsage);
    return 2;
  }
  if (options->help) {
    std::fputs(vintrel::kBikinfoUsage, stdout);
    return 0;
  }
  vintrel::PosixSystem system;
  const int code = vintrel::RunBikinfo(*options, system);
  return std::fflush(stdout) == 0 ? code : 1;
}

#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bink/bink_examine.h"
#include "bink/bink_report.h"

namespace vintrel {

struct BikinfoOptions {
  ReportForm form = ReportForm::table;
  bool recursive = false;
  bool help = false;
  std::vector<std::filesystem::path> inputs;
};

inline constexpr char kBikinfoUsage[] =
    "usage: bikinfo [--csv | --json] [-r] FILE|FOLDER...\n"
    "  Prints the facts of Bink video files (header, audio tracks, integrity)\n"
    "  --csv, --json  comma-separated values or one JSON array instead of a table\n"
    "  -r             look into sub-folders too (folders give their *.bik and *.bk2)\n"
    "exit code: 0 every file is whole Bink video, 1 some is not, 2 usage error\n";

// Empty when the arguments are not usable; `error` then says why.
std::optional<BikinfoOptions> ParseBikinfoArgs(const std::vector<std::filesystem::path>& args,
                                               std::string& error);

// Files named *.bik or *.bk2 in any letter case are the videos of a folder.
bool IsVideoName(const std::filesystem::path& name);

// What a run needs from the system.
class BikinfoSystem {
 public:
  using FileFound = std::function<void(const std::filesystem::path&)>;
  using FolderFailed = std::function<void(const std::filesystem::path&, const std::string&)>;

  virtual ~BikinfoSystem() = default;
  virtual bool IsFolder(const std::filesystem::path& path) = 0;
  // Calls `file` for every file (not folder) in the folder, one at a time,
  // and `failed` for a folder that cannot be listed.
  virtual void ListFolder(const std::filesystem::path& folder, bool recursive,
                          const FileFound& file, const FolderFailed& failed) = 0;
  virtual BinkExamination Examine(const std::filesystem::path& file) = 0;
  virtual std::string Display(const std::filesystem::path& path) = 0;  // as UTF-8
  virtual void Write(std::string_view utf8) = 0;
};

// Examines every input, one item of output each, and returns the exit code.
int RunBikinfo(const BikinfoOptions& options, BikinfoSystem& system);

}  // namespace vintrel

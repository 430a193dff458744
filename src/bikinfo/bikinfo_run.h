#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bink/bink_examine.h"
#include "bink/bink_report.h"
#include "bink/folder_walk.h"

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

// What a run needs from the system. Folders are listed through the
// FolderLister side.
class BikinfoSystem : public FolderLister {
 public:
  // The form the system's calls take, made once for each argument; every
  // path below a folder is that form with the names appended.
  virtual SystemString SystemForm(const SystemString& path) = 0;
  virtual bool IsFolder(const SystemString& path) = 0;
  virtual BinkExamination Examine(const SystemString& file) = 0;
  virtual std::string Display(const std::filesystem::path& path) = 0;  // as UTF-8
  // Standard output, which may hold text back until Flush. False (and why,
  // in `error`) once anything written to it could not be.
  virtual bool Write(std::string_view utf8, std::string& error) = 0;
  virtual bool Flush(std::string& error) = 0;
  virtual void Complain(std::string_view utf8) = 0;  // to standard error
};

// The whole program: the arguments, then one item of output for every file
// named or found, every folder without videos and every folder that could
// not be listed. Returns the exit code: 0 every file whole, 1 not, or the
// output could not be written, 2 unusable arguments.
int RunBikinfo(const std::vector<std::filesystem::path>& args, BikinfoSystem& system);

}  // namespace vintrel

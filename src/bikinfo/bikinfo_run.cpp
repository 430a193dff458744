#include "bikinfo/bikinfo_run.h"

#include "bink/folder_row.h"

namespace vintrel {
namespace {

bool Is(const std::filesystem::path& arg, std::string_view option) {
  return arg.native() == std::filesystem::path(option).native();
}

bool LooksLikeOption(const std::filesystem::path& arg) {
  const auto& text = arg.native();
  return text.size() > 1 && text[0] == '-';
}

// Writes the items as they come; stops at the first write that fails, as
// nothing more could reach the reader.
class Run {
 public:
  Run(const BikinfoOptions& options, BikinfoSystem& system)
      : options_(options), system_(system), report_(options.form) {}

  int Exit() {
    bool ok = Write(report_.Begin());
    for (auto input = options_.inputs.begin(); ok && input != options_.inputs.end(); ++input) {
      ok = Input(*input);
    }
    std::string error;
    if (!ok || !Write(report_.End()) || !system_.Flush(error)) {
      system_.Complain("bikinfo: вывод не записан: " + (error.empty() ? error_ : error) + "\n");
      return 1;
    }
    return allWhole_ ? 0 : 1;
  }

 private:
  bool Write(std::string_view text) { return system_.Write(text, error_); }

  bool Item(const std::filesystem::path& shown, const BinkExamination& file) {
    allWhole_ = allWhole_ && file.Whole();
    return Write(report_.Item(system_.Display(shown), file));
  }

  bool Input(const std::filesystem::path& input) {
    const SystemString root = system_.SystemForm(input.native());
    if (!system_.IsFolder(root)) {
      return Item(input, system_.Examine(root));
    }
    FolderWalk walk(system_, root, options_.recursive);
    bool found = false;
    while (const auto step = walk.Next()) {
      found = true;  // a folder that fails has a line of its own
      const std::filesystem::path shown =
          step->relative.empty() ? input : input / std::filesystem::path(step->relative);
      const BinkExamination file = step->failure.empty()
                                       ? system_.Examine(step->path)
                                       : Unreadable(step->failure, ProblemKind::folderUnreadable);
      if (!Item(shown, file)) {
        return false;
      }
    }
    if (found) {
      return true;
    }
    return Item(input, NoVideosInFolder());
  }

  const BikinfoOptions& options_;
  BikinfoSystem& system_;
  ReportStream report_;
  bool allWhole_ = true;
  std::string error_;
};

}  // namespace

std::optional<BikinfoOptions> ParseBikinfoArgs(const std::vector<std::filesystem::path>& args,
                                               std::string& error) {
  BikinfoOptions options;
  bool formatGiven = false;
  bool optionsEnd = false;
  for (const std::filesystem::path& arg : args) {
    if (optionsEnd || !LooksLikeOption(arg)) {
      options.inputs.push_back(arg);
    } else if (Is(arg, "--")) {
      optionsEnd = true;
    } else if (Is(arg, "-h") || Is(arg, "--help")) {
      options.help = true;
    } else if (Is(arg, "-r")) {
      options.recursive = true;
    } else if (Is(arg, "--csv") || Is(arg, "--json")) {
      const ReportForm form = Is(arg, "--csv") ? ReportForm::csv : ReportForm::json;
      if (formatGiven && form != options.form) {
        error = "choose one of --csv and --json";
        return std::nullopt;
      }
      formatGiven = true;
      options.form = form;
    } else {
      error = "unknown option";
      return std::nullopt;
    }
  }
  if (options.inputs.empty() && !options.help) {
    error = "name at least one file or folder";
    return std::nullopt;
  }
  return options;
}

int RunBikinfo(const std::vector<std::filesystem::path>& args, BikinfoSystem& system) {
  std::string error;
  const auto options = ParseBikinfoArgs(args, error);
  if (!options) {
    system.Complain("bikinfo: " + error + "\n" + kBikinfoUsage);
    return 2;
  }
  if (options->help) {
    return system.Write(kBikinfoUsage, error) && system.Flush(error) ? 0 : 1;
  }
  return Run(*options, system).Exit();
}

}  // namespace vintrel

#include "bikinfo/bikinfo_run.h"

namespace vintrel {
namespace {

bool Is(const std::filesystem::path& arg, std::string_view option) {
  return arg.native() == std::filesystem::path(option).native();
}

bool LooksLikeOption(const std::filesystem::path& arg) {
  const auto& text = arg.native();
  return text.size() > 1 && text[0] == '-';
}

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

bool IsVideoName(const std::filesystem::path& name) {
  const auto ext = name.extension().native();
  if (ext.size() != 4 || ext[0] != '.') {
    return false;
  }
  std::string lower;
  for (size_t i = 1; i < 4; ++i) {
    const auto c = ext[i];
    lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
  }
  return lower == "bik" || lower == "bk2";
}

int RunBikinfo(const BikinfoOptions& options, BikinfoSystem& system) {
  ReportStream report(options.form);
  bool allWhole = true;
  const auto item = [&](const std::filesystem::path& path, const BinkExamination& file) {
    allWhole = allWhole && file.Whole();
    system.Write(report.Item(system.Display(path), file));
  };
  system.Write(report.Begin());
  for (const std::filesystem::path& input : options.inputs) {
    if (!system.IsFolder(input)) {
      item(input, system.Examine(input));
      continue;
    }
    bool found = false;
    system.ListFolder(
        input, options.recursive,
        [&](const std::filesystem::path& file) {
          if (IsVideoName(file.filename())) {
            found = true;
            item(file, system.Examine(file));
          }
        },
        [&](const std::filesystem::path& folder, const std::string& reason) {
          found = true;  // the folder has its own line already
          item(folder, Unreadable(reason));
        });
    if (!found) {
      BinkExamination none;
      none.problem = "в папке нет видео Bink";
      item(input, none);
    }
  }
  system.Write(report.End());
  return allWhole ? 0 : 1;
}

}  // namespace vintrel

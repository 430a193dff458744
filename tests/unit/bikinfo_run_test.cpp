#include "bikinfo/bikinfo_run.h"

#include <gtest/gtest.h>

#include <map>

#include "bik_maker.h"
#include "probes.h"

namespace vintrel {
namespace {

// A path as the tables below write it, with "/" on every system.
std::string Key(const SystemString& path) {
  return std::filesystem::path(path).generic_string();
}

// Folders list their entries in the order given, then fail when a failure
// is set; files hold bytes; the output takes a number of writes, then fails.
struct FakeSystem : BikinfoSystem {
  std::map<std::string, FolderListing> folders;
  std::map<std::string, std::string> files;
  size_t writesLeft = SIZE_MAX;
  std::string out, err;

  FolderListing List(const SystemString& folder) override { return folders.at(Key(folder)); }
  SystemString SystemForm(const SystemString& path) override { return path; }
  bool IsFolder(const SystemString& path) override { return folders.contains(Key(path)); }
  BinkExamination Examine(const SystemString& file) override {
    const std::string& bytes = files.at(Key(file));
    return ExamineBytes({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
  }
  std::string Display(const std::filesystem::path& path) override { return path.generic_string(); }
  bool Write(std::string_view text, std::string& error) override {
    error = writesLeft-- == 0 ? "диск полон" : "";  // the run writes nothing after
    out += error.empty() ? text : "";
    return error.empty();
  }
  bool Flush(std::string&) override { return true; }
  void Complain(std::string_view text) override { err += text; }
};

// The entries as named; a name that ends in "/" is a folder's.
FolderListing Listing(std::vector<std::string> names, std::string failure = "") {
  FolderListing listing{{}, failure};
  for (const std::string& name : names) {
    const bool folder = name.ends_with('/');
    const std::filesystem::path entry = name.substr(0, name.size() - folder);
    listing.entries.push_back({entry.native(), folder});
  }
  return listing;
}

// Each CSV record as its path and its problem code (before the peak data
// rate and where it starts).
std::string Summary(const std::string& csv) {
  std::string summary;
  for (size_t at = csv.find('\n') + 1; at < csv.size(); at = csv.find('\n', at) + 1) {
    const std::string line = csv.substr(at, csv.find('\n', at) - at);
    const size_t peak = line.rfind(',', line.rfind(',') - 1), code = line.rfind(',', peak - 1);
    summary += line.substr(0, line.find(',')) + line.substr(code, peak - code) + " ";
  }
  return summary;
}

TEST(BikinfoRun, ExitCodeAndTheFilesOfEveryFolder) {
  const std::string whole = BikBytes({.frameCount = 1, .fpsNumerator = 1, .frameBytes = 2});
  struct Case {
    std::vector<std::filesystem::path> args;
    int exit;
    std::string summary, complaint = "";
    size_t writes = SIZE_MAX;
  } cases[] = {
      {{"--csv", "w.bik", "--", "-b"}, 0, "w.bik, '-b, "},
      {{"--csv", "d"}, 1, "d/a.bik, d/B.BIK,truncated d/c.Bk2, "},
      {{"--csv", "-r", "d"},
       1,
       "d/a.bik, d/B.BIK,truncated d/c.Bk2, d/clips./y.bik, d/sub/z.bik, "},
      {{"--csv", "none", "w.bik"}, 1, "none,no_videos w.bik, "},
      {{"--csv", "stops", "w.bik"}, 1, "stops/a.bik, stops,folder_unreadable w.bik, "},
      {{"--csv", "w.bik", "w.bik"}, 1, "w.bik, ", "bikinfo: вывод не записан: диск полон\n", 2},
      {{"-x", "w.bik"}, 2, "", "bikinfo: unknown option\n"},
      {{"--csv", "--json", "w.bik"}, 2, "", "bikinfo: choose one of --csv and --json\n"},
      {{"-r"}, 2, "", "bikinfo: name at least one file or folder\n"},
  };
  for (const Case& c : cases) {
    FakeSystem system;
    system.folders = {
        {"d", Listing({"c.Bk2", "sub/", "a.bik.txt", "B.BIK", ".bik", "a.bik", "clips./"})},
        {"d/sub", Listing({"z.bik"})},
        {"d/clips.", Listing({"y.bik", "deeper/"})},
        {"d/clips./deeper", {}},
        {"none", Listing({"x.txt"})},
        {"stops", Listing({"a.bik"}, "папка не читается: сбой")},
    };
    for (const char* name :
         {"w.bik", "-b", "d/a.bik", "d/c.Bk2", "d/sub/z.bik", "d/clips./y.bik", "stops/a.bik"})
      system.files[name] = whole;
    system.files["d/B.BIK"] = whole.substr(0, 50);
    system.writesLeft = c.writes;
    SCOPED_TRACE(c.summary);
    EXPECT_EQ(RunBikinfo(c.args, system), c.exit);
    EXPECT_EQ(Summary(system.out), c.summary);
    EXPECT_EQ(system.err.substr(0, system.err.find('\n') + 1), c.complaint);
  }
}

TEST(BikinfoRun, NamesInTheOrderOfLsAndExplorer) {
  std::vector<std::string> names = {"b", "Где", "_x", "a", "A", "абв", "\xFF"};
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return NameBefore(a, b); });
  EXPECT_EQ(names, (std::vector<std::string>{"_x", "A", "a", "b", "абв", "Где", "\xFF"}));
  // By code point, not by UTF-16 unit: U+FF21 comes before U+1F600.
  EXPECT_TRUE(NameBefore(u"\uFF21", u"\U0001F600"));
}

}  // namespace
}  // namespace vintrel

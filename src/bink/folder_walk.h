#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

// A path as the system's calls take it: UTF-16 on Windows, bytes elsewhere.
// Not std::filesystem::path: its conversions bring the whole of the C++
// locale library into the program, several hundred kilobytes of it.
#ifdef _WIN32
using SystemString = std::wstring;
inline constexpr wchar_t kPathSeparator = L'\\';
#else
using SystemString = std::string;
inline constexpr char kPathSeparator = '/';
#endif

// `name` below `folder`, with one separator between them.
SystemString JoinPath(const SystemString& folder, const SystemString& name);

// Files named *.bik or *.bk2 in any letter case are the videos of a folder.
bool IsVideoName(const SystemString& name);

// Name order as `ls` and Explorer show a folder: by code point, ignoring the
// case of Latin, Greek and Cyrillic letters; names equal but for case by
// their code points. UTF-8 or UTF-16; a byte or unit that is neither counts
// as a code point of its own.
bool NameBefore(std::string_view a, std::string_view b);
bool NameBefore(std::u16string_view a, std::u16string_view b);
#ifdef _WIN32
bool NameBefore(std::wstring_view a, std::wstring_view b);
#endif

struct FolderEntry {
  SystemString name;    // exactly as listed
  bool folder = false;  // a folder to look into; a link to one is not
};

// One folder's entries but "." and "..", in the system's order.
struct FolderListing {
  std::vector<FolderEntry> entries;
  // Why the listing failed, in Russian; empty when it ran to its end. The
  // entries listed before a failure are kept.
  std::string failure{};
};

class FolderLister {
 public:
  virtual ~FolderLister() = default;
  virtual FolderListing List(const SystemString& folder) = 0;
};

// The Bink videos under a folder, one at a time: each folder's in name
// order, then (when recursive) each of its sub-folders in name order, at
// any depth, with a list of folders still to visit rather than recursion.
// Memory holds one folder's video names and, for each folder on the way
// down, the names of its sub-folders not yet visited. Paths are the root
// with the names appended exactly as listed: nothing normalises them again.
class FolderWalk {
 public:
  struct Step {
    SystemString path;      // the root and the names below it
    SystemString relative;  // the names below the root; empty for the root
    // Not empty: `path` is a folder that could not be listed to its end,
    // given after the videos listed before the failure.
    std::string failure;
  };

  FolderWalk(FolderLister& lister, SystemString root, bool recursive);
  // The next video, or a folder's failure; empty once the walk is over.
  std::optional<Step> Next();

 private:
  SystemString PathOf(const SystemString& relative) const;

  // The sub-folders of one folder on the way down still to visit, the next
  // last; `length` is that folder's path's, a prefix of every later one.
  struct Level {
    size_t length = 0;
    std::vector<SystemString> folders;
  };

  FolderLister& lister_;
  SystemString root_;
  bool recursive_;
  std::vector<Level> levels_;
  SystemString folder_;               // the folder being given, below the root
  std::vector<SystemString> videos_;  // names of its videos still to give, the next last
  std::string failure_;               // its failure, given after them
};

}  // namespace vintrel

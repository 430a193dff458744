#include "bink/folder_walk.h"

#include <algorithm>
#include <type_traits>

namespace vintrel {
namespace {

// The next code point of UTF-8 (bytes) or UTF-16 (wider units).
template <typename Char>
char32_t NextCodePoint(std::basic_string_view<Char> s, size_t& at) {
  const auto unit = [&](size_t i) {
    return static_cast<char32_t>(static_cast<std::make_unsigned_t<Char>>(s[i]));
  };
  const char32_t lead = unit(at++);
  if constexpr (sizeof(Char) == 1) {
    if (lead < 0x80) {
      return lead;
    }
    // Lead bytes C2 to F4 start sequences of two to four bytes.
    const size_t length = lead < 0xC2 || lead > 0xF4 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i, ++at) {
      if (at >= s.size() || (unit(at) & 0xC0) != 0x80) {
        return 0xDC00 | lead;  // not UTF-8: a code point no character has
      }
      code = code << 6 | (unit(at) & 0x3F);
    }
    return length == 0 ? 0xDC00 | lead : code;
  } else {
    if (lead >= 0xD800 && lead < 0xDC00 && at < s.size() && unit(at) >= 0xDC00 &&
        unit(at) < 0xE000) {
      return 0x10000 + ((lead - 0xD800) << 10) + (unit(at++) - 0xDC00);
    }
    return lead;
  }
}

char32_t FoldCase(char32_t c) {
  const bool upper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
                     (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F);
  if (upper) {
    return c + 0x20;
  }
  return c >= 0x400 && c <= 0x40F ? c + 0x50 : c;  // Ѐ..Џ, Ё among them
}

template <typename Char>
bool Before(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  int exact = 0;  // the first difference of case, should the names be equal but for case
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const char32_t x = NextCodePoint(a, i);
    const char32_t y = NextCodePoint(b, j);
    if (FoldCase(x) != FoldCase(y)) {
      return FoldCase(x) < FoldCase(y);
    }
    if (exact == 0 && x != y) {
      exact = x < y ? -1 : 1;
    }
  }
  if (i < a.size() || j < b.size()) {
    return j < b.size();
  }
  return exact < 0;
}

}  // namespace

bool NameBefore(std::string_view a, std::string_view b) {
  return Before(a, b);
}
bool NameBefore(std::u16string_view a, std::u16string_view b) {
  return Before(a, b);
}
#ifdef _WIN32
bool NameBefore(std::wstring_view a, std::wstring_view b) {
  return Before(a, b);
}
#endif

SystemString JoinPath(const SystemString& folder, const SystemString& name) {
  if (folder.empty()) {
    return name;
  }
  return folder.back() == kPathSeparator ? folder + name : folder + kPathSeparator + name;
}

bool IsVideoName(const SystemString& name) {
  if (name.size() <= 4 || name[name.size() - 4] != '.') {
    return false;
  }
  std::string lower;
  for (size_t i = name.size() - 3; i < name.size(); ++i) {
    const auto c = name[i];
    lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
  }
  return lower == "bik" || lower == "bk2";
}

FolderWalk::FolderWalk(FolderLister& lister, SystemString root, bool recursive)
    : lister_(lister), root_(std::move(root)), recursive_(recursive), levels_(1) {
  levels_[0].folders.emplace_back();  // the root, below itself
}

SystemString FolderWalk::PathOf(const SystemString& relative) const {
  return relative.empty() ? root_ : JoinPath(root_, relative);
}

std::optional<FolderWalk::Step> FolderWalk::Next() {
  while (videos_.empty() && failure_.empty()) {
    while (!levels_.empty() && levels_.back().folders.empty()) {
      levels_.pop_back();
    }
    if (levels_.empty()) {
      return std::nullopt;
    }
    // The folders above this level are a prefix of the last folder listed.
    Level& level = levels_.back();
    folder_.resize(level.length);
    folder_ = JoinPath(folder_, level.folders.back());
    level.folders.pop_back();

    FolderListing listing = lister_.List(PathOf(folder_));
    std::sort(
        listing.entries.begin(), listing.entries.end(),
        [](const FolderEntry& a, const FolderEntry& b) { return NameBefore(a.name, b.name); });
    Level below{folder_.size(), {}};
    for (auto entry = listing.entries.rbegin(); entry != listing.entries.rend(); ++entry) {
      if (entry->folder) {
        if (recursive_) {
          below.folders.push_back(std::move(entry->name));
        }
      } else if (IsVideoName(entry->name)) {
        videos_.push_back(std::move(entry->name));
      }
    }
    if (!below.folders.empty()) {
      levels_.push_back(std::move(below));
    }
    failure_ = std::move(listing.failure);
  }
  Step step;
  if (!videos_.empty()) {
    step.relative = JoinPath(folder_, videos_.back());
    videos_.pop_back();
  } else {
    step.relative = folder_;
    step.failure = std::move(failure_);
    failure_.clear();
  }
  step.path = PathOf(step.relative);
  return step;
}

}  // namespace vintrel

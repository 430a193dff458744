#include "app/command_line.h"

#include "common/text.h"

namespace vintrel {

std::wstring ArgumentsPart(std::wstring_view fullCommandLine) {
  std::size_t end;
  if (!fullCommandLine.empty() && fullCommandLine.front() == L'"') {
    const auto closing = fullCommandLine.find(L'"', 1);
    end = closing == std::wstring_view::npos ? fullCommandLine.size() : closing + 1;
  } else {
    end = fullCommandLine.find_first_of(kBlanks);
    if (end == std::wstring_view::npos)
      end = fullCommandLine.size();
  }
  return std::wstring(TrimBlanks(fullCommandLine.substr(end)));
}

std::optional<std::wstring> FileFromArguments(std::wstring_view arguments) {
  if (arguments.empty())
    return std::nullopt;
  const auto first = arguments.find(kArgumentQuote);
  if (first == std::wstring_view::npos)
    return std::wstring(arguments);
  const auto second = arguments.find(kArgumentQuote, first + 1);
  // A lone quote opens a path the caller forgot to close: take the rest.
  if (second == std::wstring_view::npos)
    return std::wstring(arguments.substr(first + 1));
  return std::wstring(arguments.substr(first + 1, second - first - 1));
}

}  // namespace vintrel

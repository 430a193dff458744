// The main window's texts and the command line it reads.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/captions.h"
#include "app/command_line.h"

namespace vintrel {
namespace {

// The title in capitals, Cyrillic and Latin-1 letters too. (The end-to-end
// tests read the caption and the status lines as shown.)
TEST(Captions, TitleInCapitals) {
  EXPECT_EQ(MainWindowCaption(L"vintrel ёжик éÿ÷", {1, 2, 48}, L"ООО Ромашка"),
            L"VINTREL ЁЖИК Éÿ÷ ver 1.2.48  ООО Ромашка");
}

// The program's name as Windows takes it, then the text between the first two
// quotes, or after a lone one, or the whole rest; two adjacent quotes name an
// empty file, which playing then asks for.
TEST(CommandLine, TheFileIsBetweenTheFirstTwoQuotesOrTheWholeText) {
  const std::pair<std::wstring, std::optional<std::wstring>> cases[] = {
      {LR"("C:\Program Files\V\vintrel.exe" "D:\a b.bik")", LR"(D:\a b.bik)"},
      {LR"(C:\V\vintrel.exe   D:\a b.bik  )", LR"(D:\a b.bik)"},
      {LR"("C:\V\v.exe"D:\x.bik)", LR"(D:\x.bik)"},
      {L"vintrel.exe  \t ", std::nullopt},
      {LR"("C:\never closed\v.exe a.bik)", std::nullopt},
      {LR"(v.exe /x "C:\a b.bik" /y)", LR"(C:\a b.bik)"},
      {LR"(v.exe "a.bik" "b.bik")", L"a.bik"},
      {LR"(v.exe "")", L""},
      {LR"(v.exe /x "C:\Видео\клип.bik)", LR"(C:\Видео\клип.bik)"},
      {L"v.exe " + std::wstring(100000, L'"'), L""},
  };
  for (const auto& [line, file] : cases)
    EXPECT_EQ(FileFromArguments(ArgumentsPart(line)), file) << line.substr(0, 40);
}

}  // namespace
}  // namespace vintrel

// The main window's and the About window's texts, and the command-line scan.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/captions.h"
#include "app/command_line.h"
#include "common/text.h"
#include "dialogs/about_layout.h"

namespace vintrel {
namespace {

using about_layout::AboutCaption;
using about_layout::IsOpenableLink;
using about_layout::MailtoTarget;

TEST(WindowTexts, CaptionsAndSafeLinks) {
  EXPECT_EQ(MainWindowCaption(L"vintrel", {1, 2, 48}, L"ООО Ромашка"),
            L"VINTREL ver 1.2.48  ООО Ромашка");
  EXPECT_EQ(AboutCaption(L"Vintrel", {10, 0, 7}), L"О программе Vintrel ver 10.0.7");
  EXPECT_EQ(MailtoTarget(L"author@example.org", L"vintrel", {1, 2, 48}),
            L"mailto:author@example.org?Subject=О программе VINTREL ver 1.2.48  ");
  EXPECT_EQ(LoadStatusText(0, L""), L"0  ");
  EXPECT_EQ(LoadStatusText(6, L"Переполнение"), L"6  Переполнение");
  EXPECT_EQ(RecoveryStatusText(13, L"Несоответствие типа"),
            L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа");
  EXPECT_EQ(UpperCase(L"vintrel-1.0 ёжик éÿ÷"), L"VINTREL-1.0 ЁЖИК Éÿ÷");
  // Only web pages over https and e-mail open from the About window.
  for (const wchar_t* target : {L"https://example.org/", L"HTTPS://x", L"mailto:a@b?Subject=О "})
    EXPECT_TRUE(IsOpenableLink(target)) << target;
  for (const wchar_t* target : {L"http://example.org/", L"file:///C:/x.exe", L"C:\\x.exe",
                                L"\\\\server\\share\\x.exe", L"https:", L"mailto", L""})
    EXPECT_FALSE(IsOpenableLink(target)) << target;
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

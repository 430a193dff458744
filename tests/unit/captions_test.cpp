#include "app/captions.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "dialogs/about_layout.h"

namespace vintrel {
namespace {

using about_layout::AboutCaption;
using about_layout::MailtoTarget;

TEST(Captions, ComposeFromTheProgramIdentity) {
  const std::wstring version = VersionText(kVersion);
  EXPECT_EQ(MainWindowCaption(kApplicationTitle, kVersion, L"ООО Ромашка"),
            L"VINTREL ver " + version + L"  ООО Ромашка");
  EXPECT_EQ(MainWindowCaption(L"vintrel", {1, 2, 48}, L""), L"VINTREL ver 1.2.48  ");
  EXPECT_EQ(AboutCaption(kFileDescription, kVersion), L"О программе Vintrel ver " + version);
  EXPECT_EQ(AboutCaption(L"X", {10, 0, 7}), L"О программе X ver 10.0.7");
}

TEST(Captions, MailtoSubjectIsUnencodedWithTwoTrailingBlanks) {
  EXPECT_EQ(MailtoTarget(L"author@example.org", kApplicationTitle, {1, 2, 48}),
            L"mailto:author@example.org?Subject=О программе VINTREL ver 1.2.48  ");
}

TEST(Captions, StatusLines) {
  EXPECT_EQ(LoadStatusText(0, L""), L"0  ");
  EXPECT_EQ(LoadStatusText(6, L"Переполнение"), L"6  Переполнение");
  EXPECT_EQ(RecoveryStatusText(L"Несоответствие типа"),
            L"Настройки восстановлены. Ошибка номер 13: Несоответствие типа");
}

TEST(UpperCase, LatinAndCyrillicLettersOnly) {
  EXPECT_EQ(UpperCase(L"vintrel-1.0 ёжик éÿ÷"), L"VINTREL-1.0 ЁЖИК Éÿ÷");
  EXPECT_TRUE(EqualIgnoringCase(L"C:\\Видео\\N.exe", L"c:\\вИДЕО\\n.EXE"));
  EXPECT_FALSE(EqualIgnoringCase(L"C:\\a.exe", L"C:\\a.ex"));
}

}  // namespace
}  // namespace vintrel

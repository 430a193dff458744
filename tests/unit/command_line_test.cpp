#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace vintrel {
namespace {

TEST(ArgumentsPart, DropsTheProgramNameAsWindowsReadsIt) {
  EXPECT_EQ(ArgumentsPart(L"\"C:\\Program Files\\V\\vintrel.exe\" \"D:\\a b.bik\""),
            L"\"D:\\a b.bik\"");
  EXPECT_EQ(ArgumentsPart(L"C:\\V\\vintrel.exe   D:\\a b.bik  \t"), L"D:\\a b.bik");
  EXPECT_EQ(ArgumentsPart(L"\"C:\\V\\v.exe\"D:\\x.bik"), L"D:\\x.bik");
  EXPECT_EQ(ArgumentsPart(L"vintrel.exe"), L"");
  EXPECT_EQ(ArgumentsPart(L"vintrel.exe   "), L"");
  EXPECT_EQ(ArgumentsPart(L"\"C:\\never closed\\v.exe a.bik"), L"");
  EXPECT_EQ(ArgumentsPart(L""), L"");
}

TEST(FileFromArguments, QuotedPathWins) {
  const std::wstring q = L"\"";
  EXPECT_EQ(FileFromArguments(L"\"C:\\My Videos\\a.bik\"", q), L"C:\\My Videos\\a.bik");
  EXPECT_EQ(FileFromArguments(L"/x \"C:\\a b.bik\" /y", q), L"C:\\a b.bik");
  EXPECT_EQ(FileFromArguments(L"\"a.bik\" \"b.bik\"", q), L"a.bik");
  // Two adjacent quotes name an empty file; playing it asks for a file.
  EXPECT_EQ(FileFromArguments(L"\"\"", q), L"");
  EXPECT_EQ(FileFromArguments(L"/x \"C:\\Видео\\клип.bik", q), L"C:\\Видео\\клип.bik");
  EXPECT_EQ(FileFromArguments(L"abc\"", q), L"");
}

TEST(FileFromArguments, UnquotedTextIsTheWholePath) {
  EXPECT_EQ(FileFromArguments(L"C:\\My Videos\\a.bik", L"\""), L"C:\\My Videos\\a.bik");
  EXPECT_EQ(FileFromArguments(L"", L"\""), std::nullopt);
  // The quote is whatever "kov" holds; nothing else counts as one.
  EXPECT_EQ(FileFromArguments(L"'a b.bik'", L"'"), L"a b.bik");
  EXPECT_EQ(FileFromArguments(L"\"a.bik\"", L""), L"\"a.bik\"");
  EXPECT_EQ(FileFromArguments(L"\"a.bik\"", L"\"\""), L"\"a.bik\"");
  EXPECT_EQ(FileFromArguments(L"", L""), std::nullopt);
}

TEST(FileFromArguments, HugeInputsAreHandled) {
  const std::wstring manyQuotes(100000, L'"');
  EXPECT_EQ(FileFromArguments(manyQuotes, L"\""), L"");
  const std::wstring longPath = L"\"" + std::wstring(70000, L'x') + L"\"";
  EXPECT_EQ(FileFromArguments(longPath, L"\"")->size(), 70000u);
}

}  // namespace
}  // namespace vintrel

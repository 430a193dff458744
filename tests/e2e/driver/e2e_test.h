#pragma once
// Base fixture of the end-to-end tests: every case starts from no settings
// file, no file association and a fresh copy of the program's folder, and no
// program it started outlives it.
#include <gtest/gtest.h>

#include <optional>

#include "driver.h"

namespace vintrel::e2e {

class E2eTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // "<Suite>.<Test>", usable as a folder name.
  static std::wstring CurrentTestName();

  // The case's folder, made in SetUp with the program in "app".
  const TestFolder& Folder() const { return *folder_; }
  // Makes the case's folder anew with the program in another sub-folder
  // (blanks, Cyrillic letters and nested folders are fine).
  const TestFolder& UseAppFolder(std::wstring_view appFolder);

  // Starts the program of Folder(); TearDown kills it if it still runs.
  App& StartApp(std::wstring_view arguments = L"");

 private:
  std::optional<TestFolder> folder_;
  std::optional<App> app_;
};

}  // namespace vintrel::e2e

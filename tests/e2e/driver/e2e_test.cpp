#include "e2e_test.h"

namespace vintrel::e2e {

void E2eTest::SetUp() {
  DeleteIni();
  DeleteAssociationKeys();
  folder_.emplace(CurrentTestName());
}

void E2eTest::TearDown() {
  if (app_)
    app_->Kill();
  app_.reset();
}

std::wstring E2eTest::CurrentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::wstring name = ToWide(std::string(info->test_suite_name()) + "." + info->name());
  // Parameterised names carry '/', which would nest folders.
  for (wchar_t& c : name) {
    if (c == L'/' || c == L'\\')
      c = L'_';
  }
  return name;
}

const TestFolder& E2eTest::UseAppFolder(std::wstring_view appFolder) {
  if (app_)
    app_->Kill();
  app_.reset();
  folder_.reset();
  folder_.emplace(CurrentTestName(), appFolder);
  return *folder_;
}

App& E2eTest::StartApp(std::wstring_view arguments) {
  if (app_)
    app_->Kill();
  app_.reset();
  app_.emplace(App::Start(folder_->Exe(), arguments));
  return *app_;
}

}  // namespace vintrel::e2e

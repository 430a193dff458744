#include "shell/association.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace vintrel {
namespace {

// The classes stores in memory. A key exists when it is in the map (with or
// without a value); its sub-keys are the keys that start with it and a
// backslash. One chosen call on one key can be made to fail.
class FakeStore : public RegistryStore {
 public:
  enum class Call { write, remove };

  long WriteDefaultValue(ClassesRoot root, const std::wstring& key,
                         const std::wstring& data) override {
    if (auto refused = Refused(Call::write, root, key))
      return *refused;
    for (auto end = key.find(L'\\'); end != std::wstring::npos; end = key.find(L'\\', end + 1))
      keys[{root, key.substr(0, end)}];
    keys[{root, key}] = data;
    return kErrorSuccess;
  }

  long DeleteKey(ClassesRoot root, const std::wstring& key) override {
    if (auto refused = Refused(Call::remove, root, key))
      return *refused;
    if (!keys.contains({root, key}))
      return kErrorFileNotFound;
    if (HasSubKeys(root, key))
      return kErrorAccessDenied;
    keys.erase({root, key});
    return kErrorSuccess;
  }

  std::optional<std::wstring> ReadDefaultValue(ClassesRoot root, const std::wstring& key) override {
    const auto found = keys.find({root, key});
    return found == keys.end() ? std::nullopt : found->second;
  }

  bool HasSubKeys(ClassesRoot root, const std::wstring& key) override {
    const auto next = keys.upper_bound({root, key});
    return next != keys.end() && next->first.first == root &&
           next->first.second.starts_with(key + L'\\');
  }

  void Refuse(Call call, ClassesRoot root, std::wstring key, long error) {
    refusal = {call, root, std::move(key), error};
  }

  std::map<std::pair<ClassesRoot, std::wstring>, std::optional<std::wstring>> keys;

 private:
  struct Refusal {
    Call call;
    ClassesRoot root;
    std::wstring key;
    long error;
  };

  std::optional<long> Refused(Call call, ClassesRoot root, const std::wstring& key) const {
    if (refusal && refusal->call == call && refusal->root == root && refusal->key == key)
      return refusal->error;
    return std::nullopt;
  }

  std::optional<Refusal> refusal;
};

const std::wstring kProgram = L"C:\\Program Files\\Video\\N.exe";

// Key -> default value, of one store.
using Keys = std::map<std::wstring, std::optional<std::wstring>>;

Keys KeysIn(const FakeStore& store, ClassesRoot root) {
  Keys result;
  for (const auto& [where, value] : store.keys)
    if (where.first == root)
      result[where.second] = value;
  return result;
}

TEST(ProgramPath, AlwaysEndsInExe) {
  EXPECT_EQ(ProgramPath(L"C:\\Program Files\\Video\\N.EXE"), kProgram);
  // Only the last extension goes.
  EXPECT_EQ(ProgramPath(L"C:\\Program Files\\Video\\N.exe.bak"), kProgram + L".exe");
  EXPECT_EQ(ProgramPath(L"C:\\v1.2\\vintrel"), L"C:\\v1.2\\vintrel.exe");
  EXPECT_EQ(ProgramPath(L"C:\\vintrel.scr"), L"C:\\vintrel.exe");
}

TEST(ClassesRoot, AdministratorsUseTheMachineStoreOthersTheirOwn) {
  EXPECT_EQ(ChooseClassesRoot(true), ClassesRoot::machine);
  EXPECT_EQ(ChooseClassesRoot(false), ClassesRoot::user);
}

class Association : public ::testing::TestWithParam<bool> {
 protected:
  bool admin() const { return GetParam(); }
  ClassesRoot root() const { return ChooseClassesRoot(admin()); }
  FakeStore store;
};

// The four values of the association table, in a folder with a blank: the
// command quoted, the icon not.
TEST_P(Association, RegisterTwiceThenRemove) {
  ASSERT_TRUE(RegisterAssociation(store, root(), kProgram).ok);
  const auto once = store.keys;
  ASSERT_TRUE(RegisterAssociation(store, root(), kProgram).ok);
  EXPECT_EQ(store.keys, once);
  const Keys expected{
      {L".bik", L"bik.video"},
      {L"bik.video", L"bik video file"},
      {L"bik.video\\DefaultIcon", kProgram + L",0"},
      {L"bik.video\\shell", std::nullopt},
      {L"bik.video\\shell\\open", std::nullopt},
      {L"bik.video\\shell\\open\\command", L"\"" + kProgram + L"\" \"%1\""},
  };
  EXPECT_EQ(KeysIn(store, root()), expected);

  EXPECT_TRUE(RemoveAssociation(store, admin(), kProgram).ok);
  EXPECT_TRUE(store.keys.empty());
  // Nothing left to remove is no failure.
  EXPECT_TRUE(RemoveAssociation(store, admin(), kProgram).ok);
}

TEST_P(Association, ForeignOrBusyExtensionKeyStays) {
  RegisterAssociation(store, root(), kProgram);
  store.WriteDefaultValue(root(), L".bik", L"Other.Player.bik");
  EXPECT_TRUE(RemoveAssociation(store, admin(), kProgram).ok);
  EXPECT_EQ(KeysIn(store, root()), (Keys{{L".bik", L"Other.Player.bik"}}));

  store.keys.clear();
  RegisterAssociation(store, root(), kProgram);
  store.WriteDefaultValue(root(), L".bik\\OpenWithProgids", L"");
  store.WriteDefaultValue(root(), L"bik.video\\shell\\play", L"");
  EXPECT_TRUE(RemoveAssociation(store, admin(), kProgram).ok);
  EXPECT_EQ(KeysIn(store, root()), (Keys{
                                       {L".bik", L"bik.video"},
                                       {L".bik\\OpenWithProgids", L""},
                                       {L"bik.video", L"bik video file"},
                                       {L"bik.video\\shell", std::nullopt},
                                       {L"bik.video\\shell\\play", L""},
                                   }));
}

TEST_P(Association, RefusedWriteStopsAndNamesTheKey) {
  store.Refuse(FakeStore::Call::write, root(), L"bik.video\\DefaultIcon", kErrorAccessDenied);
  const auto outcome = RegisterAssociation(store, root(), kProgram);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.error, kErrorAccessDenied);
  EXPECT_EQ(outcome.key, L"bik.video\\DefaultIcon");
  EXPECT_EQ(outcome.root, root());
  EXPECT_FALSE(store.keys.contains({root(), L"bik.video\\shell\\open\\command"}));
}

TEST_P(Association, RefusedDeleteIsReportedAndTheRestStillGoes) {
  RegisterAssociation(store, root(), kProgram);
  store.Refuse(FakeStore::Call::remove, root(), L"bik.video\\DefaultIcon", 1018);
  const auto outcome = RemoveAssociation(store, admin(), kProgram);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.error, 1018);
  EXPECT_EQ(outcome.key, L"bik.video\\DefaultIcon");
  EXPECT_EQ(KeysIn(store, root()), (Keys{{L"bik.video", L"bik video file"},
                                         {L"bik.video\\DefaultIcon", kProgram + L",0"}}));
}

INSTANTIATE_TEST_SUITE_P(BothRoots, Association, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "admin" : "user"; });

TEST(OtherStore, CleanedOnlyByAnAdministratorAndOnlyWhenItIsOurs) {
  FakeStore store;
  RegisterAssociation(store, ClassesRoot::user, L"c:\\program files\\video\\n.EXE");
  EXPECT_TRUE(RemoveAssociation(store, true, kProgram).ok);
  EXPECT_TRUE(store.keys.empty());

  // The unquoted command of earlier versions is recognised as well.
  RegisterAssociation(store, ClassesRoot::user, kProgram);
  store.WriteDefaultValue(ClassesRoot::user, L"bik.video\\shell\\open\\command", kProgram + L" %1");
  EXPECT_TRUE(RemoveAssociation(store, true, kProgram).ok);
  EXPECT_TRUE(store.keys.empty());

  // Another program's registration stays, and so does ours for a standard user.
  RegisterAssociation(store, ClassesRoot::user, L"C:\\Other\\N.exe");
  const auto foreign = store.keys;
  EXPECT_TRUE(RemoveAssociation(store, true, kProgram).ok);
  EXPECT_EQ(store.keys, foreign);

  store.keys.clear();
  RegisterAssociation(store, ClassesRoot::machine, kProgram);
  const auto machine = store.keys;
  EXPECT_TRUE(RemoveAssociation(store, false, kProgram).ok);
  EXPECT_EQ(store.keys, machine);
}

}  // namespace
}  // namespace vintrel

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
// backslash. One chosen call on one key, or on every key of a store, can be
// made to fail.
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
    if (refusal && refusal->call == call && refusal->root == root &&
        (refusal->key.empty() || refusal->key == key))
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

// Only an administrator whose program folder nobody else can change writes
// for every user; the machine store refusing the others changes nothing.
TEST(ClassesRoot, MachineStoreOnlyForAnAdministratorOfAFolderOthersCannotChange) {
  for (const bool admin : {false, true}) {
    for (const bool writable : {false, true}) {
      const AssociationRights rights{admin, writable};
      const ClassesRoot expected = admin && !writable ? ClassesRoot::machine : ClassesRoot::user;
      EXPECT_EQ(ChooseClassesRoot(rights), expected) << admin << writable;
      FakeStore store;
      if (expected == ClassesRoot::user)
        store.Refuse(FakeStore::Call::write, ClassesRoot::machine, L"", kErrorAccessDenied);
      const auto outcome = RegisterAssociation(store, rights, kProgram);
      EXPECT_TRUE(outcome.ok()) << admin << writable;
      EXPECT_EQ(outcome.root, expected);
      EXPECT_EQ(KeysIn(store, OtherRoot(expected)), Keys{});
    }
  }
}

// The shell would expand %1, %NAME% and the like inside the command.
TEST(ClassesRoot, PercentInTheProgramPathIsRefusedBeforeAnyWrite) {
  for (const wchar_t* path : {L"C:\\Games\\100%Player\\N.exe", L"C:\\%1\\N.exe"}) {
    FakeStore store;
    const auto outcome = RegisterAssociation(store, {true, false}, path);
    EXPECT_EQ(outcome.failure, AssociationFailure::percentInPath);
    EXPECT_TRUE(store.keys.empty());
  }
}

class Association : public ::testing::TestWithParam<bool> {
 protected:
  bool admin() const { return GetParam(); }
  // The program's folder is an administrator's own, as under Program Files.
  AssociationRights rights() const { return {admin(), false}; }
  ClassesRoot root() const { return ChooseClassesRoot(rights()); }
  FakeStore store;
};

// The four values of the association table, in a folder with a blank: the
// command quoted, the icon not.
TEST_P(Association, RegisterTwiceThenRemove) {
  ASSERT_TRUE(RegisterAssociation(store, rights(), kProgram).ok());
  const auto once = store.keys;
  ASSERT_TRUE(RegisterAssociation(store, rights(), kProgram).ok());
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

  EXPECT_TRUE(RemoveAssociation(store, rights(), kProgram).ok());
  EXPECT_TRUE(store.keys.empty());
  // Nothing left to remove is no failure.
  EXPECT_TRUE(RemoveAssociation(store, rights(), kProgram).ok());
}

TEST_P(Association, ForeignOrBusyExtensionKeyStays) {
  RegisterAssociation(store, rights(), kProgram);
  store.WriteDefaultValue(root(), L".bik", L"Other.Player.bik");
  EXPECT_TRUE(RemoveAssociation(store, rights(), kProgram).ok());
  EXPECT_EQ(KeysIn(store, root()), (Keys{{L".bik", L"Other.Player.bik"}}));

  store.keys.clear();
  RegisterAssociation(store, rights(), kProgram);
  store.WriteDefaultValue(root(), L".bik\\OpenWithProgids", L"");
  store.WriteDefaultValue(root(), L"bik.video\\shell\\play", L"");
  EXPECT_TRUE(RemoveAssociation(store, rights(), kProgram).ok());
  EXPECT_EQ(KeysIn(store, root()), (Keys{
                                       {L".bik", L"bik.video"},
                                       {L".bik\\OpenWithProgids", L""},
                                       {L"bik.video", L"bik video file"},
                                       {L"bik.video\\shell", std::nullopt},
                                       {L"bik.video\\shell\\play", L""},
                                   }));
}

// ".bik" is written last: a failure before it leaves the extension with the
// program that had it.
TEST_P(Association, RefusedWriteStopsAndNamesTheKey) {
  store.WriteDefaultValue(root(), L".bik", L"Other.Player.bik");
  store.Refuse(FakeStore::Call::write, root(), L"bik.video\\shell\\open\\command",
               kErrorAccessDenied);
  const auto outcome = RegisterAssociation(store, rights(), kProgram);
  EXPECT_EQ(outcome.failure, AssociationFailure::registry);
  EXPECT_EQ(outcome.error, kErrorAccessDenied);
  EXPECT_EQ(outcome.key, L"bik.video\\shell\\open\\command");
  EXPECT_EQ(outcome.root, root());
  EXPECT_EQ(store.ReadDefaultValue(root(), L".bik"), L"Other.Player.bik");
}

TEST_P(Association, RefusedDeleteIsReportedAndTheRestStillGoes) {
  RegisterAssociation(store, rights(), kProgram);
  store.Refuse(FakeStore::Call::remove, root(), L"bik.video\\DefaultIcon", 1018);
  const auto outcome = RemoveAssociation(store, rights(), kProgram);
  EXPECT_EQ(outcome.failure, AssociationFailure::registry);
  EXPECT_EQ(outcome.error, 1018);
  EXPECT_EQ(outcome.key, L"bik.video\\DefaultIcon");
  EXPECT_EQ(KeysIn(store, root()), (Keys{{L"bik.video", L"bik video file"},
                                         {L"bik.video\\DefaultIcon", kProgram + L",0"}}));
}

INSTANTIATE_TEST_SUITE_P(BothRoots, Association, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "admin" : "user"; });

TEST(OtherStore, CleanedWhenItIsOurs) {
  FakeStore store;
  const AssociationRights machineAdmin{true, false};
  RegisterAssociation(store, {false, false}, L"c:\\program files\\video\\n.EXE");
  EXPECT_TRUE(RemoveAssociation(store, machineAdmin, kProgram).ok());
  EXPECT_TRUE(store.keys.empty());

  // The unquoted command of earlier versions is recognised as well.
  RegisterAssociation(store, {false, false}, kProgram);
  store.WriteDefaultValue(ClassesRoot::user, L"bik.video\\shell\\open\\command", kProgram + L" %1");
  EXPECT_TRUE(RemoveAssociation(store, machineAdmin, kProgram).ok());
  EXPECT_TRUE(store.keys.empty());

  // An administrator of a folder others may change writes the user store,
  // and still removes an earlier registration for every user.
  RegisterAssociation(store, machineAdmin, kProgram);
  EXPECT_TRUE(RemoveAssociation(store, {true, true}, kProgram).ok());
  EXPECT_TRUE(store.keys.empty());

  // Another program's registration stays.
  RegisterAssociation(store, machineAdmin, L"C:\\Other\\N.exe");
  const auto foreign = store.keys;
  EXPECT_TRUE(RemoveAssociation(store, {false, false}, kProgram).ok());
  EXPECT_EQ(store.keys, foreign);
}

// A standard user cannot remove what an administrator registered for every
// user; the shell would go on opening .bik files with the program.
TEST(OtherStore, OursForEveryUserThatCannotGoIsAFailure) {
  FakeStore store;
  RegisterAssociation(store, {true, false}, kProgram);
  const auto machine = store.keys;
  store.Refuse(FakeStore::Call::remove, ClassesRoot::machine, L"", kErrorAccessDenied);
  const auto outcome = RemoveAssociation(store, {false, false}, kProgram);
  EXPECT_EQ(outcome.failure, AssociationFailure::administratorNeeded);
  EXPECT_EQ(outcome.error, kErrorAccessDenied);
  EXPECT_EQ(outcome.key, L"bik.video\\shell\\open\\command");
  EXPECT_EQ(outcome.root, ClassesRoot::machine);
  EXPECT_EQ(store.keys, machine);
}

}  // namespace
}  // namespace vintrel

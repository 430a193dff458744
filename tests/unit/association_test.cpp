#include "shell/association.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace vintrel {

using Keys = std::map<std::wstring, std::optional<std::wstring>>;  // key -> default value

// The two classes stores in memory, indexed by ClassesRoot. A key exists when
// it is in its map (with or without a value); its sub-keys are the keys that
// start with it and a backslash. `refuse` makes writes (or deletes) of one
// key, or of every key for "", in one store fail with its error.
struct FakeStore : RegistryStore {
  std::array<Keys, 2> keys;
  std::tuple<bool, ClassesRoot, std::wstring, long> refuse{true, ClassesRoot::machine, L"", 0};

  Keys& In(ClassesRoot root) { return keys[static_cast<int>(root)]; }
  bool Empty() const { return keys[0].empty() && keys[1].empty(); }
  long Refused(bool write, ClassesRoot root, const std::wstring& key) const {
    const auto& [w, r, k, error] = refuse;
    return w == write && r == root && (k.empty() || k == key) ? error : kErrorSuccess;
  }
  long WriteDefaultValue(ClassesRoot root, const std::wstring& key,
                         const std::wstring& data) override {
    if (const long error = Refused(true, root, key))
      return error;
    for (auto end = key.find(L'\\'); end != std::wstring::npos; end = key.find(L'\\', end + 1))
      In(root)[key.substr(0, end)];
    In(root)[key] = data;
    return kErrorSuccess;
  }
  long DeleteKey(ClassesRoot root, const std::wstring& key) override {
    if (const long error = Refused(false, root, key))
      return error;
    return !In(root).contains(key) ? kErrorFileNotFound
           : HasSubKeys(root, key) ? kErrorAccessDenied
                                   : (In(root).erase(key), kErrorSuccess);
  }
  std::optional<std::wstring> ReadDefaultValue(ClassesRoot root, const std::wstring& key) override {
    return In(root).contains(key) ? In(root)[key] : std::nullopt;
  }
  bool HasSubKeys(ClassesRoot root, const std::wstring& key) override {
    const auto next = In(root).upper_bound(key);
    return next != In(root).end() && next->first.starts_with(key + L'\\');
  }
};

const std::wstring kProgram = L"C:\\Program Files\\Video\\N.exe";
const std::wstring kCommand = L"bik.video\\shell\\open\\command";
const AssociationRights kUser{false, false}, kMachineAdmin{true, false};

inline auto Fields(const AssociationOutcome& outcome) {
  return std::tuple(outcome.failure, outcome.error, outcome.key, outcome.root);
}

TEST(ProgramPath, AlwaysEndsInExe) {
  EXPECT_EQ(ProgramPath(L"C:\\Program Files\\Video\\N.EXE"), kProgram);
  EXPECT_EQ(ProgramPath(L"C:\\Program Files\\Video\\N.exe.bak"), kProgram + L".exe");
  EXPECT_EQ(ProgramPath(L"C:\\v1.2\\vintrel"), L"C:\\v1.2\\vintrel.exe");
}

// Only an administrator whose program folder nobody else can change writes
// for every user; the machine store refusing the others changes nothing. A
// '%' in the path, which the shell would expand, is refused before any write.
TEST(RegisterAssociation, StoreFollowsTheRightsAndAPercentIsRefused) {
  for (const bool admin : {false, true}) {
    for (const bool writable : {false, true}) {
      const ClassesRoot expected = admin && !writable ? ClassesRoot::machine : ClassesRoot::user;
      FakeStore store;
      store.refuse = {true, ClassesRoot::machine, L"", admin && !writable ? 0 : 5};
      const auto outcome = RegisterAssociation(store, {admin, writable}, kProgram);
      EXPECT_TRUE(outcome.ok() && outcome.root == expected) << admin << writable;
      EXPECT_EQ(store.In(OtherRoot(expected)), Keys{}) << admin << writable;
    }
  }
  FakeStore store;
  EXPECT_EQ(RegisterAssociation(store, kMachineAdmin, L"C:\\Games\\100%Player\\N.exe").failure,
            AssociationFailure::percentInPath);
  EXPECT_TRUE(store.Empty());
}

class Association : public ::testing::TestWithParam<bool> {
 protected:
  // The program's folder is an administrator's own, as under Program Files.
  AssociationRights rights() const { return {GetParam(), false}; }
  ClassesRoot root() const { return ChooseClassesRoot(rights()); }
  FakeStore store;
};

// In a folder with a blank the command is quoted. Registering again changes
// nothing; nothing left to remove is no failure.
TEST_P(Association, RegisterTwiceThenRemoveTwice) {
  ASSERT_TRUE(RegisterAssociation(store, rights(), kProgram).ok());
  const auto once = store.keys;
  ASSERT_TRUE(RegisterAssociation(store, rights(), kProgram).ok());
  EXPECT_EQ(store.keys, once);
  EXPECT_EQ(store.In(root()).size(), 6u);  // the values themselves: the end-to-end round trip
  EXPECT_EQ(store.In(root())[kCommand], L"\"" + kProgram + L"\" \"%1\"");
  for (int round = 0; round < 2; ++round) {
    EXPECT_TRUE(RemoveAssociation(store, rights(), kProgram).ok());
    EXPECT_TRUE(store.Empty());
  }
}

// Removal leaves a .bik another program took over, and keys others added.
TEST_P(Association, ForeignOrBusyExtensionKeyStays) {
  RegisterAssociation(store, rights(), kProgram);
  store.WriteDefaultValue(root(), L".bik", L"Other.Player.bik");
  EXPECT_TRUE(RemoveAssociation(store, rights(), kProgram).ok());
  EXPECT_EQ(store.In(root()), (Keys{{L".bik", L"Other.Player.bik"}}));
  store = {};
  RegisterAssociation(store, rights(), kProgram);
  store.WriteDefaultValue(root(), L".bik\\OpenWithProgids", L"");
  store.WriteDefaultValue(root(), L"bik.video\\shell\\play", L"");
  EXPECT_TRUE(RemoveAssociation(store, rights(), kProgram).ok());
  EXPECT_EQ(store.In(root()), (Keys{{L".bik", L"bik.video"},
                                    {L".bik\\OpenWithProgids", L""},
                                    {L"bik.video", L"bik video file"},
                                    {L"bik.video\\shell", std::nullopt},
                                    {L"bik.video\\shell\\play", L""}}));
}

// A refused write stops and names its key; ".bik" is written last, so the
// extension stays with the program that had it. A refused delete is
// reported, and the rest still goes.
TEST_P(Association, RefusedWriteOrDeleteIsReported) {
  store.WriteDefaultValue(root(), L".bik", L"Other.Player.bik");
  store.refuse = {true, root(), kCommand, kErrorAccessDenied};
  EXPECT_EQ(Fields(RegisterAssociation(store, rights(), kProgram)),
            std::tuple(AssociationFailure::registry, kErrorAccessDenied, kCommand, root()));
  EXPECT_EQ(store.ReadDefaultValue(root(), L".bik"), L"Other.Player.bik");

  store = {};
  RegisterAssociation(store, rights(), kProgram);
  store.refuse = {false, root(), L"bik.video\\DefaultIcon", 1018};
  EXPECT_EQ(Fields(RemoveAssociation(store, rights(), kProgram)),
            std::tuple(AssociationFailure::registry, 1018L, L"bik.video\\DefaultIcon", root()));
  EXPECT_EQ(store.In(root()), (Keys{{L"bik.video", L"bik video file"},
                                    {L"bik.video\\DefaultIcon", kProgram + L",0"}}));
}

INSTANTIATE_TEST_SUITE_P(BothRoots, Association, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "admin" : "user"; });

// Removal cleans the other store too when the registration there is ours:
// the path in any case, the unquoted command of earlier versions, and for an
// administrator of a folder others may change (who writes the user store).
// Another program's registration stays.
TEST(RemoveAssociation, CleansTheOtherStoreWhenItIsOursOrAsksForAnAdministrator) {
  FakeStore store;
  RegisterAssociation(store, kUser, L"c:\\program files\\video\\n.EXE");
  EXPECT_TRUE(RemoveAssociation(store, kMachineAdmin, kProgram).ok());
  EXPECT_TRUE(store.Empty());
  RegisterAssociation(store, kUser, kProgram);
  store.WriteDefaultValue(ClassesRoot::user, kCommand, kProgram + L" %1");
  EXPECT_TRUE(RemoveAssociation(store, kMachineAdmin, kProgram).ok());
  EXPECT_TRUE(store.Empty());
  RegisterAssociation(store, kMachineAdmin, kProgram);
  EXPECT_TRUE(RemoveAssociation(store, {true, true}, kProgram).ok());
  EXPECT_TRUE(store.Empty());
  RegisterAssociation(store, kMachineAdmin, L"C:\\Other\\N.exe");
  const auto foreign = store.keys;
  EXPECT_TRUE(RemoveAssociation(store, kUser, kProgram).ok());
  EXPECT_EQ(store.keys, foreign);
  // A standard user cannot remove what an administrator registered for every
  // user; the shell would go on opening .bik files with the program.
  store = {};
  RegisterAssociation(store, kMachineAdmin, kProgram);
  const auto machine = store.keys;
  store.refuse = {false, ClassesRoot::machine, L"", kErrorAccessDenied};
  EXPECT_EQ(Fields(RemoveAssociation(store, kUser, kProgram)),
            std::tuple(AssociationFailure::administratorNeeded, kErrorAccessDenied, kCommand,
                       ClassesRoot::machine));
  EXPECT_EQ(store.keys, machine);
}

}  // namespace vintrel

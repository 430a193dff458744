#include "shell/association.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace vintrel {

using Values = std::map<std::wstring, std::wstring>;  // name ("" the default) -> data
using Keys = std::map<std::wstring, Values>;
constexpr auto kUser = ClassesRoot::user, kMachine = ClassesRoot::machine;

// The two classes stores in memory, indexed by ClassesRoot; the user made no
// choice of app. A key exists when it is in its map; its sub-keys are the keys that
// start with it and a backslash. Any change to the key `refused` is denied.
struct FakeStore : RegistryStore {
  std::array<Keys, 2> keys;
  std::pair<ClassesRoot, std::wstring> refused;

  Keys& In(ClassesRoot root) { return keys[static_cast<int>(root)]; }
  long WriteString(ClassesRoot root, const RegistryValue& value) override {
    if (refused == std::pair(root, value.key))
      return kErrorAccessDenied;
    for (auto end = value.key.find(L'\\'); end != std::wstring::npos;
         end = value.key.find(L'\\', end + 1))
      In(root)[value.key.substr(0, end)];
    In(root)[value.key][value.name] = value.data;
    return kErrorSuccess;
  }
  long DeleteValue(ClassesRoot root, const std::wstring& key, const std::wstring& name) override {
    if (refused == std::pair(root, key))
      return kErrorAccessDenied;
    return In(root).contains(key) && In(root)[key].erase(name) ? kErrorSuccess : kErrorFileNotFound;
  }
  long DeleteKey(ClassesRoot root, const std::wstring& key) override {
    if (refused == std::pair(root, key))
      return kErrorAccessDenied;
    return HasSubKeys(root, key) ? kErrorAccessDenied
           : In(root).erase(key) ? kErrorSuccess
                                 : kErrorFileNotFound;
  }
  std::optional<std::wstring> ReadDefaultValue(ClassesRoot root, const std::wstring& key) override {
    if (!In(root).contains(key) || !In(root)[key].contains(L""))
      return std::nullopt;
    return In(root)[key][L""];
  }
  bool HasSubKeys(ClassesRoot root, const std::wstring& key) override {
    const auto next = In(root).upper_bound(key);
    return next != In(root).end() && next->first.starts_with(key + L'\\');
  }
  bool HasValues(ClassesRoot root, const std::wstring& key) override {
    return In(root).contains(key) && !In(root)[key].empty();
  }
  std::optional<std::wstring> UserChoiceProgId() override { return std::nullopt; }
};

const std::wstring kProgram = L"C:\\Program Files\\Video\\N.exe";
const std::wstring kCommand = L"bik.video\\shell\\open\\command";
const std::array<Keys, 2> kNothing{};

// What an earlier version, or an administrator by hand, left for every user.
void RegisterForEveryUser(FakeStore& store, const std::wstring& program) {
  for (const auto& value : AssociationValues(program)) store.WriteString(kMachine, value);
}

// Only the user's own store, whoever runs the program; the command quoted
// for the blank in the folder, and the program in the "Open with" list.
// Registering twice is no failure; removing twice leaves nothing and is no
// failure either time. A '%' in the path, which the shell would expand, is
// refused before any write; a refused write stops the rest, and ".bik" comes
// last, so the shell goes on with the handler it had.
TEST(Association, UserStoreOnlyExtensionLastRegisteredAndRemovedTwice) {
  FakeStore store;
  for (int round = 0; round < 2; ++round) ASSERT_TRUE(RegisterAssociation(store, kProgram).ok());
  EXPECT_EQ(store.In(kMachine), Keys{});
  EXPECT_EQ(store.In(kUser)[kCommand], (Values{{L"", L"\"" + kProgram + L"\" \"%1\""}}));
  EXPECT_EQ(store.In(kUser)[L".bik\\OpenWithProgids"], (Values{{L"bik.video", L""}}));
  for (int round = 0; round < 2; ++round) {
    EXPECT_TRUE(RemoveAssociation(store, false, kProgram).ok());
    EXPECT_EQ(store.keys, kNothing);
  }
  const std::wstring percent = L"C:\\Games\\100%Player\\N.exe";
  EXPECT_EQ(RegisterAssociation(store, percent).failure,
            Failure(FailureKind::percentInProgramPath, 0, percent));
  EXPECT_EQ(store.keys, kNothing);
  store.refused = {kUser, kCommand};
  EXPECT_EQ(RegisterAssociation(store, kProgram).failure,
            Failure(FailureKind::notAssociated, kErrorAccessDenied,
                    L"HKEY_CURRENT_USER\\Software\\Classes\\" + kCommand));
  EXPECT_FALSE(store.In(kUser).contains(L".bik"));
}

// Removal leaves a .bik another program took over, and the other programs
// in the "Open with" list: .bik stays for them, no longer naming "bik.video".
TEST(Association, RemovalLeavesWhatOthersKeep) {
  const std::pair<RegistryValue, Keys> cases[] = {
      {{L".bik", L"", L"Other.Player.bik"}, {{L".bik", {{L"", L"Other.Player.bik"}}}}},
      {{L".bik\\OpenWithProgids", L"Other.Player.bik", L""},
       {{L".bik", {}}, {L".bik\\OpenWithProgids", {{L"Other.Player.bik", L""}}}}},
  };
  for (const auto& [others, left] : cases) {
    FakeStore store;
    RegisterAssociation(store, kProgram);
    store.WriteString(kUser, others);
    EXPECT_TRUE(RemoveAssociation(store, false, kProgram).ok());
    EXPECT_EQ(store.In(kUser), left);
  }
}

// Removal cleans the machine store too when the registration there is ours,
// in the path's any case, or with the unquoted command of earlier versions;
// another program's stays. A refused deletion is reported, for a standard
// user as one that needs an administrator; the rest still goes.
TEST(Association, RemovalCleansTheMachineStoreWhenItIsOurs) {
  FakeStore store;
  for (const std::wstring command :
       {L"\"c:\\program files\\video\\n.EXE\" \"%1\"", L"C:\\Program Files\\Video\\N.exe %1"}) {
    RegisterAssociation(store, kProgram);
    RegisterForEveryUser(store, kProgram);
    store.WriteString(kMachine, {kCommand, L"", command});
    EXPECT_TRUE(RemoveAssociation(store, true, kProgram).ok());
    EXPECT_EQ(store.keys, kNothing);
  }
  RegisterForEveryUser(store, L"C:\\Other\\N.exe");
  const auto foreign = store.keys;
  EXPECT_TRUE(RemoveAssociation(store, true, kProgram).ok());
  EXPECT_EQ(store.keys, foreign);

  store = {};
  RegisterForEveryUser(store, kProgram);
  store.refused = {kMachine, L"bik.video\\DefaultIcon"};
  const AssociationOutcome outcome = RemoveAssociation(store, false, kProgram);
  EXPECT_EQ(outcome.failure,
            Failure(FailureKind::dissociationNeedsAdministrator, kErrorAccessDenied,
                    L"HKEY_LOCAL_MACHINE\\Software\\Classes\\bik.video\\DefaultIcon"));
  EXPECT_EQ(store.In(kMachine), (Keys{{L"bik.video", {{L"", L"bik video file"}}},
                                      {store.refused.second, {{L"", kProgram + L",0"}}}}));
}

}  // namespace vintrel

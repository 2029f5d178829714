#include "addin/mUpgrade.h"

#include <gtest/gtest.h>

#include "addin/ProcessState.h"
#include "base/ComError.h"
#include "support/TestSession.h"
#include "windows/DlModules.h"

namespace kov {
namespace {

constexpr const char* kNewKey = "Software\\Zenquor\\Kovelin Organizer\\Folders";

class UpgradeTest : public testing::TestSession {
 protected:
  UpgradeTest() {
    state_.gobjLib = std::make_shared<CLibZenquor>();
    state_.gobjLib->Init(substitute::DlModules::kAddinModule, nullptr, 0);
    registry_.SetRootKey(0x80000001u);
  }

  void Set(const std::string& key, const std::string& name, const std::string& value) {
    int32_t type = 1;
    ASSERT_TRUE(registry_.SetValue(key, name, value, type));
  }

  void SetRaw(const std::string& key, const std::string& name, uint32_t type,
              const std::string& bytes) {
    os::RegKey handle = 0;
    auto& api = Os().Registry();
    ASSERT_EQ(api.CreateKey(os::kHKeyCurrentUser, key, os::kKeyAllAccess, &handle), 0);
    api.SetValue(handle, name, type, reinterpret_cast<const uint8_t*>(bytes.data()),
                 static_cast<uint32_t>(bytes.size()));
    api.CloseKey(handle);
  }

  std::vector<std::string> Names(const std::string& key) {
    std::vector<std::string> names;
    registry_.GetAllValueNames(key, names);
    return names;
  }

  std::string LibraryLogText() { return testing::ReadBytes(LibraryLog()); }

  CRegistry registry_;
};

TEST_F(UpgradeTest, NoOldKeyChangesNothing) {
  Set("Software\\Other", "x", "1");
  const std::string before = Os().Registry().Export();
  EXPECT_EQ(CopyRegistryKey(kOldFolderKey, kNewKey), kCopyNoSource);
  Upgrade();
  EXPECT_EQ(Os().Registry().Export(), before);
}

TEST_F(UpgradeTest, CopiesMissingValuesKeepsExistingOnesAndDeletesTheOldKeys) {
  Set(kOldFolderKey, "A", "100000010101");
  Set(kOldFolderKey, "B", "old");
  Set(kNewKey, "B", "new");
  Upgrade();
  EXPECT_EQ(registry_.GetValue(kNewKey, "A"), Variant("100000010101"));
  EXPECT_EQ(registry_.GetValue(kNewKey, "B"), Variant("new"));
  EXPECT_FALSE(registry_.KeyExists(kOldFolderKey));
  EXPECT_FALSE(registry_.KeyExists(kOldProductKey));
  EXPECT_TRUE(registry_.KeyExists("Software\\Zenquor"));

  // The next start finds nothing to move and changes nothing.
  const std::string after = Os().Registry().Export();
  Restart();
  EXPECT_EQ(CopyRegistryKey(kOldFolderKey, kNewKey), kCopyNoSource);
  Upgrade();
  EXPECT_EQ(Os().Registry().Export(), after);
}

TEST_F(UpgradeTest, CopyCreatesTheDestinationAndKeepsBinaryBytes) {
  Set(kOldFolderKey, "Quick", "0");
  SetRaw(kOldFolderKey, "Bin", 3, std::string("\x01\x00\xff", 3));
  EXPECT_EQ(CopyRegistryKey(kOldFolderKey, kNewKey), kCopyDone);
  EXPECT_EQ(Names(kNewKey), (std::vector<std::string>{"Quick", "Bin"}));
  EXPECT_EQ(registry_.GetValue(kNewKey, "Bin"), Variant(ByteArray{1, 0, 0xff, 0}));
  EXPECT_TRUE(registry_.KeyExists(kOldFolderKey));  // only Upgrade deletes
}

TEST_F(UpgradeTest, AnOldKeyWithoutValuesStays) {
  registry_.CreateKey(kOldFolderKey);
  EXPECT_EQ(CopyRegistryKey(kOldFolderKey, kNewKey), kCopyNoValues);
  Upgrade();
  EXPECT_TRUE(registry_.KeyExists(kOldFolderKey));
  EXPECT_FALSE(registry_.KeyExists(kNewKey));
  EXPECT_EQ(LibraryLogText().find("LogMsg"), std::string::npos);
}

TEST_F(UpgradeTest, AValueThatCannotBeCopiedKeepsTheOldKeys) {
  Set(kOldFolderKey, "A", "1");
  SetRaw(kOldFolderKey, "Multi", 7, std::string("a\0b\0\0", 5));
  Set(kOldFolderKey, "C", "3");
  EXPECT_EQ(CopyRegistryKey(kOldFolderKey, kNewKey), kCopyPartial);
  EXPECT_EQ(Names(kNewKey), (std::vector<std::string>{"A", "C"}));
  EXPECT_NE(LibraryLogText().find("\"CopyRegistryKey Line:6\"\t3\t1"), std::string::npos);
  Upgrade();
  EXPECT_TRUE(registry_.KeyExists(kOldFolderKey));
  EXPECT_EQ(registry_.ValueType(kOldFolderKey, "Multi"), 7);
}

TEST_F(UpgradeTest, EqualKeysFailBeforeTheLoop) {
  Set(kOldFolderKey, "A", "1");
  EXPECT_EQ(CopyRegistryKey(kOldFolderKey, kOldFolderKey), kCopyFailedBeforeLoop);
  EXPECT_NE(LibraryLogText().find(std::string("\"Incorrect parameters (") + kOldFolderKey +
                                  ")\"\t-2147220602\t\"CopyRegistryKey Line:2\"\t3\t1"),
            std::string::npos);
}

TEST_F(UpgradeTest, WithoutALogObjectAFailureStopsTheMigration) {
  state_.gobjLib.reset();
  Set(kOldFolderKey, "A", "1");
  SetRaw(kOldFolderKey, "Multi", 7, std::string("a\0\0", 3));
  Set(kOldFolderKey, "C", "3");
  try {
    Upgrade();
    FAIL() << "the failed attempt to log should leave Upgrade";
  } catch (const ComError& e) {
    EXPECT_EQ(e.Number(), 91);
  }
  EXPECT_EQ(Names(kNewKey), (std::vector<std::string>{"A"}));
  EXPECT_TRUE(registry_.KeyExists(kOldFolderKey));

  // The next start, with the log in place, copies the rest but still keeps the old keys.
  state_.gobjLib = std::make_shared<CLibZenquor>();
  Upgrade();
  EXPECT_EQ(Names(kNewKey), (std::vector<std::string>{"A", "C"}));
  EXPECT_TRUE(registry_.KeyExists(kOldFolderKey));
}

}  // namespace
}  // namespace kov

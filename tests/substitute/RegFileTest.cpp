#include "windows/RegFile.h"

#include <gtest/gtest.h>

#include "support/TestSession.h"
#include "windows/RegFileRegistry.h"

namespace kov::substitute {
namespace {

using kov::testing::ReadBytes;
using kov::testing::TempFolder;
using kov::testing::WriteBytes;

const char* const kSample =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Zenquor]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Zenquor\\Kovelin Organizer]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Zenquor\\Kovelin Organizer\\Folders]\r\n"
    "\"AllFolders\"=\"10\"\r\n"
    "@=\"default \\\"quoted\\\" C:\\\\path\"\r\n"
    "\"n\"=dword:0000002a\r\n"
    "\"bin\"=hex:01,ff,00\r\n"
    "\"exp\"=hex(2):25,54,45,4d,50,25,00\r\n"
    "\"multi\"=hex(7):61,00,62,00,00\r\n"
    "\"big\"=hex(5):00,00,00,2a\r\n"
    "\r\n";

TEST(RegFile, ParsesEveryValueForm) {
  RegTree tree = ParseRegFile(kSample, "sample.reg");
  RegNode* folders = tree.Root(0x80000001u)
                         ->Child("software")
                         ->Child("ZENQUOR")
                         ->Child("Kovelin Organizer")
                         ->Child("Folders");
  ASSERT_NE(folders, nullptr);
  ASSERT_EQ(folders->values.size(), 7u);
  EXPECT_EQ(folders->Value("AllFolders")->data, std::string("10\0", 3));
  EXPECT_EQ(folders->Value("")->data, std::string("default \"quoted\" C:\\path\0", 25));
  EXPECT_EQ(folders->Value("n")->type, 4u);
  EXPECT_EQ(folders->Value("n")->data, std::string("\x2a\0\0\0", 4));
  EXPECT_EQ(folders->Value("bin")->data, std::string("\x01\xff\x00", 3));
  EXPECT_EQ(folders->Value("exp")->type, 2u);
  EXPECT_EQ(folders->Value("multi")->type, 7u);
  EXPECT_EQ(folders->Value("big")->type, 5u);
}

TEST(RegFile, FormatIsTheFormItReads) {
  RegTree tree = ParseRegFile(kSample, "sample.reg");
  EXPECT_EQ(FormatRegFile(tree), kSample);
}

TEST(RegFile, LongHexDataIsWrappedAndReadBack) {
  RegTree tree;
  std::string data;
  for (int i = 0; i < 100; ++i) data += static_cast<char>(i);
  tree.Root(0x80000001u)->AddChild("K")->SetValue("long", 3, data);
  const std::string text = FormatRegFile(tree);
  EXPECT_NE(text.find(",\\\r\n  "), std::string::npos);
  RegTree back = ParseRegFile(text, "x.reg");
  EXPECT_EQ(back.Root(0x80000001u)->Child("K")->Value("long")->data, data);
}

TEST(RegFile, MalformedFilesAreRefusedWithTheirLine) {
  struct Case {
    const char* text;
    int line;
  };
  const Case cases[] = {
      {"", 1},
      {"Windows Registry Editor Version 5.00\r\n", 1},
      {"REGEDIT4\r\n\r\n\"a\"=\"b\"\r\n", 3},
      {"REGEDIT4\r\n[HKEY_NOWHERE\\x]\r\n", 2},
      {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=dword:12\r\n", 3},
      {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"open\r\n", 3},
      {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\r\n\"a\"=hex:1,zz\r\n", 4},
      {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x\\\\y]\r\n", 2},
      {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\nnonsense\r\n", 3},
      {"REGEDIT4\r\n[-HKEY_CURRENT_USER\\x]\r\n", 2},
  };
  for (const auto& c : cases) {
    try {
      ParseRegFile(c.text, "bad.reg");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const RegFileError& e) {
      EXPECT_EQ(e.Line(), c.line) << c.text;
      EXPECT_NE(std::string(e.what()).find("bad.reg, line "), std::string::npos);
    }
  }
}

TEST(RegFileRegistry, AMalformedFileIsNeverOverwritten) {
  TempFolder folder;
  const std::string path = folder / "registry.reg";
  const std::string broken = "REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=what\r\n";
  WriteBytes(path, broken);
  EXPECT_THROW(RegFileRegistry registry(path), RegFileError);
  EXPECT_EQ(ReadBytes(path), broken);
}

TEST(RegFileRegistry, ChangesAreWrittenAtOnceAndReadBackByANewInstance) {
  TempFolder folder;
  const std::string path = folder / "registry.reg";
  {
    RegFileRegistry registry(path);
    os::RegKey key = 0;
    ASSERT_EQ(registry.CreateKey(os::kHKeyCurrentUser, "A\\B\\", os::kKeyAllAccess, &key), 0);
    const std::string data("v\0", 2);
    ASSERT_EQ(registry.SetValue(key, "name", 1, reinterpret_cast<const uint8_t*>(data.data()), 2),
              0);
    registry.CloseKey(key);
    EXPECT_EQ(registry.OpenHandles(), 0u);
  }
  EXPECT_EQ(ReadBytes(path),
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\r\n"
            "[HKEY_CURRENT_USER\\A\\B]\r\n\"name\"=\"v\"\r\n\r\n");
  RegFileRegistry again(path);
  os::RegKey key = 0;
  ASSERT_EQ(again.OpenKey(os::kHKeyCurrentUser, "a\\b", os::kKeyQueryValue, &key), 0);
  uint32_t type = 0;
  uint32_t size = 0;
  EXPECT_EQ(again.QueryValue(key, "NAME", &type, nullptr, &size), 0);
  EXPECT_EQ(type, 1u);
  EXPECT_EQ(size, 2u);
}

TEST(RegFileRegistry, RefusesWhatWindowsRefuses) {
  RegFileRegistry registry;
  os::RegKey key = 0;
  ASSERT_EQ(registry.CreateKey(os::kHKeyCurrentUser, "P\\C", os::kKeyAllAccess, &key), 0);
  registry.CloseKey(key);
  EXPECT_EQ(registry.DeleteSubKey(os::kHKeyCurrentUser, "P"), os::kErrorAccessDenied);
  EXPECT_EQ(registry.DeleteSubKey(os::kHKeyCurrentUser, "Q"), os::kErrorFileNotFound);
  EXPECT_EQ(registry.OpenKey(os::kHKeyCurrentUser, "\\P", os::kKeyQueryValue, &key),
            os::kErrorBadPathname);
  ASSERT_EQ(registry.OpenKey(os::kHKeyCurrentUser, "P", os::kKeyQueryValue, &key), 0);
  const uint8_t byte = 0;
  EXPECT_EQ(registry.SetValue(key, "x", 1, &byte, 1), os::kErrorAccessDenied);
  char name[4];
  uint32_t chars = sizeof name;
  EXPECT_EQ(registry.EnumKey(key, 0, name, &chars), os::kErrorAccessDenied);
  registry.CloseKey(key);
  ASSERT_EQ(registry.OpenKey(os::kHKeyCurrentUser, "P\\C", os::kKeyAllAccess, &key), 0);
  EXPECT_EQ(registry.DeleteSubKey(os::kHKeyCurrentUser, "P\\C"), 0);
  // A handle to a deleted key stays open but no longer reaches a key.
  EXPECT_EQ(registry.SetValue(key, "x", 1, &byte, 1), os::kErrorKeyDeleted);
  EXPECT_EQ(registry.CloseKey(key), 0);
  EXPECT_EQ(registry.CloseKey(key), os::kErrorInvalidHandle);
}

TEST(RegFileRegistry, AFailedWriteLeavesTheRegistryAsItWas) {
  TempFolder folder;
  const std::string path = folder / "registry.reg";
  RegFileRegistry registry(path);
  os::RegKey key = 0;
  ASSERT_EQ(registry.CreateKey(os::kHKeyCurrentUser, "K", os::kKeyAllAccess, &key), 0);
  // A folder in the temporary file's place makes the write fail.
  std::filesystem::create_directory(path + ".tmp");
  std::filesystem::create_directory(path + ".tmp/x");
  const std::string data("v\0", 2);
  EXPECT_EQ(registry.SetValue(key, "v", 1, reinterpret_cast<const uint8_t*>(data.data()), 2),
            os::kErrorWriteFault);
  uint32_t size = 0;
  EXPECT_EQ(registry.QueryValue(key, "v", nullptr, nullptr, &size), os::kErrorFileNotFound);
  registry.CloseKey(key);
  EXPECT_EQ(ReadBytes(path), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\r\n");
}

}  // namespace
}  // namespace kov::substitute

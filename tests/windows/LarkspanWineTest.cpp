// Larkspan.exe itself against the real registry and file system (Wine's in CI): each case
// arranges the InstallRoot key and the folders, runs the program and reads its exit code and log.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "support/TempFolder.h"

namespace {

using kov::testing::ReadBytes;
using kov::testing::TempFolder;
using kov::testing::WriteBytes;

constexpr const char* kInstallRoot = "Software\\Microsoft\\Office\\11.0\\Outlook\\InstallRoot";

std::string OwnFolder() {
  char path[MAX_PATH * 4] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  return std::filesystem::path(path).parent_path().string();
}

class LarkspanWine : public ::testing::Test {
 protected:
  LarkspanWine() {
    std::filesystem::create_directories(folder_.Path() / "bin");
    std::filesystem::create_directories(folder_.Path() / "Office11");
    std::filesystem::copy_file(OwnFolder() + "\\Larkspan.exe", Program());
    WriteBytes(folder_ / "bin\\Outlook.exe.manifest", "<assembly/>");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kInstallRoot);
  }
  ~LarkspanWine() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kInstallRoot); }

  std::string Program() const { return folder_ / "bin\\Larkspan.exe"; }
  std::string Log() const { return folder_ / "bin\\Larkspan.err"; }
  std::string Installed() const { return folder_ / "Office11\\Outlook.exe.manifest"; }

  void SetInstallRoot(const std::string* path) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kInstallRoot, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (path != nullptr) {
      RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path->c_str()),
                     static_cast<DWORD>(path->size() + 1));
    }
    RegCloseKey(key);
  }

  int Run() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"";
    command.append(Program()).append("\"");
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      ADD_FAILURE() << "cannot start " << Program();
      return 12345;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
  }

  // The log's entries without their time stamps, each checked to start with one.
  std::string Entries() {
    std::string log = ReadBytes(Log());
    const std::regex stamp("\\[\\d{1,2}/\\d{1,2}/\\d{2} \\d{1,2}:\\d{2}:\\d{2}\\] ");
    return std::regex_replace(log, stamp, "[] ");
  }

  TempFolder folder_;
};

TEST_F(LarkspanWine, CopiesWithOrWithoutATrailingBackslashAndReplaces) {
  for (const std::string& path : {folder_ / "Office11", folder_ / "Office11\\"}) {
    SCOPED_TRACE(path);
    WriteBytes(Installed(), "older manifest");
    SetInstallRoot(&path);
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(ReadBytes(Installed()), "<assembly/>");
    EXPECT_FALSE(std::filesystem::exists(Log()));
  }
}

TEST_F(LarkspanWine, NoOutlook2003EndsWithoutALog) {
  EXPECT_EQ(Run(), -1);
  EXPECT_FALSE(std::filesystem::exists(Log()));
}

TEST_F(LarkspanWine, AMissingFolderIsLoggedAndTwoRunsAppendTwoEntries) {
  const std::string missing = folder_ / "NoOffice";
  SetInstallRoot(&missing);
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(Run(), -1);
  const std::string entry = "[] The path from registry does not exist: \"" + missing + "\"\r\n\r\n";
  EXPECT_EQ(Entries(), entry + entry);
}

TEST_F(LarkspanWine, AMissingManifestEndsWithTheSystemErrorNumber) {
  const std::string path = folder_ / "Office11";
  SetInstallRoot(&path);
  std::filesystem::remove(folder_ / "bin\\Outlook.exe.manifest");
  EXPECT_EQ(Run(), 2);  // ERROR_FILE_NOT_FOUND
  EXPECT_EQ(Entries(), "[] The file\r\n\t\"" + folder_ / "bin\\Outlook.exe.manifest" +
                           "\"\r\n could not be copied to:\r\n\t\"" +
                           folder_ / "Office11\\Outlook.exe.manifest" +
                           "\" Error number: 2.\r\n\r\n");
}

TEST_F(LarkspanWine, AnUnreadablePathValueIsLogged) {
  SetInstallRoot(nullptr);
  EXPECT_EQ(Run(), -1);
  EXPECT_EQ(Entries(), std::string("[] The following registry key value was failed to be read: ") +
                           kInstallRoot + "\\Path\r\n\r\n");
}

}  // namespace

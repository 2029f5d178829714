#include "larkspan/Larkspan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/TestSession.h"

namespace kov::larkspan {
namespace {

using kov::testing::ReadBytes;
using kov::testing::WriteBytes;

class LarkspanTest : public kov::testing::TestSession {
 protected:
  LarkspanTest() {
    std::filesystem::create_directories(folder_ / "bin");
    std::filesystem::create_directories(folder_ / "Office11");
    Os().Modules().SetProgramPath(Program());
    WriteBytes(folder_ / "bin/Outlook.exe.manifest", "<assembly/>");
  }
  std::string Program() const { return folder_ / "bin/Larkspan.exe"; }
  std::string Log() const { return folder_ / "bin/Larkspan.err"; }
  std::string Installed() const { return folder_ / "Office11/Outlook.exe.manifest"; }

  void SetInstallRoot(const std::string* path) {
    auto& registry = Os().Registry();
    os::RegKey key = 0;
    registry.CreateKey(os::kHKeyLocalMachine,
                       "Software\\Microsoft\\Office\\11.0\\Outlook\\InstallRoot", os::kKeyAllAccess,
                       &key);
    if (path != nullptr) {
      const std::string data = *path + '\0';
      registry.SetValue(key, "Path", os::kRegSz, reinterpret_cast<const uint8_t*>(data.data()),
                        static_cast<uint32_t>(data.size()));
    }
    registry.CloseKey(key);
  }
};

TEST_F(LarkspanTest, CopiesTheManifestWithOrWithoutATrailingSeparator) {
  for (const std::string& path : {folder_ / "Office11", folder_ / "Office11/"}) {
    SCOPED_TRACE(path);
    WriteBytes(Installed(), "old manifest");
    SetInstallRoot(&path);
    EXPECT_EQ(RunLarkspan(), 0);
    EXPECT_EQ(ReadBytes(Installed()), "<assembly/>");  // an older one is replaced
    EXPECT_FALSE(std::filesystem::exists(Log()));
  }
}

TEST_F(LarkspanTest, TheFailureTable) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    int exitCode;
    std::string logged;  // "" for no log
  };
  const std::string missing = folder_ / "NoOffice";
  const std::string empty;
  const Case cases[] = {
      {"Windows 2000",
       [&] {
         Os().Version().major = 5;
         Os().Version().minor = 0;
       },
       0, ""},
      {"version query fails", [&] { Os().Version().failure = 87; }, -1,
       "The operating system version could not be determined. Error number: 87.\r\n"},
      {"no Outlook 2003", [] {}, -1, ""},
      {"Path unreadable", [&] { SetInstallRoot(nullptr); }, -1,
       "The following registry key value was failed to be read: "
       "Software\\Microsoft\\Office\\11.0\\Outlook\\InstallRoot\\Path\r\n"},
      {"Path empty", [&] { SetInstallRoot(&empty); }, -1, ""},
      {"Path missing", [&] { SetInstallRoot(&missing); }, -1,
       "The path from registry does not exist: \"" + missing + "\"\r\n"},
      {"manifest missing beside the program",
       [&] {
         const std::string path = folder_ / "Office11";
         SetInstallRoot(&path);
         std::filesystem::remove(folder_ / "bin/Outlook.exe.manifest");
       },
       2,
       "The file\r\n\t\"" + folder_ / "bin/Outlook.exe.manifest" +
           "\"\r\n could not be copied to:\r\n\t\"" + folder_ / "Office11/Outlook.exe.manifest" +
           "\" Error number: 2.\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    Os().Modules().SetProgramPath(Program());
    Os().Registry().DeleteSubKey(os::kHKeyLocalMachine,
                                 "Software\\Microsoft\\Office\\11.0\\Outlook\\InstallRoot");
    std::filesystem::remove(Log());
    WriteBytes(folder_ / "bin/Outlook.exe.manifest", "<assembly/>");
    c.arrange();
    EXPECT_EQ(RunLarkspan(), c.exitCode);
    const std::string log = ReadBytes(Log());
    if (c.logged.empty()) {
      EXPECT_EQ(log, "");
    } else {
      const std::regex stamp("\\[\\d{1,2}/\\d{1,2}/\\d{2} \\d{1,2}:\\d{2}:\\d{2}\\] ");
      ASSERT_TRUE(std::regex_search(log, stamp)) << log;
      EXPECT_EQ(log.substr(log.find("] ") + 2), c.logged + "\r\n");
    }
  }
}

TEST_F(LarkspanTest, TwoFailedRunsAppendTwoEntries) {
  const std::string missing = folder_ / "NoOffice";
  SetInstallRoot(&missing);
  EXPECT_EQ(RunLarkspan(), -1);
  EXPECT_EQ(RunLarkspan(), -1);
  const std::string log = ReadBytes(Log());
  const std::string entry = "The path from registry does not exist: \"" + missing + "\"\r\n\r\n";
  EXPECT_EQ(log.find(entry), log.find("] ") + 2);
  EXPECT_NE(log.rfind(entry), log.find(entry));
  EXPECT_EQ(log.size() - log.rfind(entry), entry.size());
}

TEST(LarkspanNames, LogFileAndTimeStamp) {
  EXPECT_EQ(LogFileOf("C:\\Tools\\Larkspan.exe"), "C:\\Tools\\Larkspan.err");
  EXPECT_EQ(LogFileOf("/opt/bin/larkspan"), "/opt/bin/larkspan.err");
  EXPECT_EQ(LogFileOf("/opt/v1.2/larkspan"), "/opt/v1.2/larkspan.err");
  EXPECT_EQ(TimeStamp(2004, 3, 7, 9, 5, 7), "[3/7/04 9:05:07] ");
  EXPECT_EQ(TimeStamp(2010, 12, 31, 23, 59, 0), "[12/31/10 23:59:00] ");
}

}  // namespace
}  // namespace kov::larkspan

#include "addin/CLibZenquor.h"

#include <gtest/gtest.h>

#include "base/ComError.h"
#include "base/ErrorHandler.h"
#include "support/TestSession.h"
#include "windows/DlModules.h"

namespace kov {
namespace {

class CLibZenquorTest : public testing::TestSession {
 protected:
  std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    std::string text = testing::ReadBytes(LibraryLog());
    size_t pos = 0;
    while (pos < text.size()) {
      const size_t end = text.find("\r\n", pos);
      std::string line = text.substr(pos, end - pos);
      lines.push_back(line.substr(line.find('\t') + 1));  // without the time stamp
      pos = end + 2;
    }
    return lines;
  }

  // Modules whose library folders hold no library at all, or one without most functions.
  void UseLibraryFolder(const std::string& folder) {
    modules_ = std::make_unique<substitute::DlModules>(AddinFolder() + "/Kovelin.so",
                                                       std::vector<std::string>{folder});
    auto services = Os().Services();
    services.modules = modules_.get();
    scoped_ = std::make_unique<os::ScopedOs>(services);
  }

  std::unique_ptr<substitute::DlModules> modules_;
  std::unique_ptr<os::ScopedOs> scoped_;
};

TEST_F(CLibZenquorTest, PassesEveryArgumentWithTheModuleHandle) {
  CLibZenquor lib;
  const uint32_t module = substitute::DlModules::kAddinModule;
  int app = 0;
  lib.Init(module, &app, 0x1234);
  lib.LogMsg("Object variable not set", 91, "InitAll Line:4", logtErr, loglMin);
  lib.LogMsg("", 0, "", logtInfo, loglFull);
  lib.LogMsgEx("caf\u00E9", -1, "p", logtWarn, loglAverage, 9);
  lib.ShowAbout();
  eLogLevel level = loglAverage;
  EXPECT_EQ(lib.CreateLog(true, "f.log", "Kovelin", "1.1", level), Variant(int32_t{0}));
  const std::string handle = std::to_string(module);
  const std::vector<std::string> expected = {
      "Init\t" + handle + "\tapplication\troutine\t\"" + AddinFolder() + "\"",
      "LogMsg\t" + handle + "\t\"Object variable not set\"\t91\t\"InitAll Line:4\"\t3\t1",
      "LogMsg\t" + handle + "\t\"\"\t0\t\"\"\t1\t3",
      "LogMsgEx\t" + handle + "\t\"caf\xE9\"\t-1\t\"p\"\t2\t2\t9",
      "ShowAbout\t" + handle,
      "CreateLog\t" + handle + "\t-1\t\"f.log\"\t\"Kovelin\"\t\"1.1\"\t2",
  };
  EXPECT_EQ(LogLines(), expected);
}

TEST_F(CLibZenquorTest, HandlerConventionLogsDescriptionNumberAndPoint) {
  CLibZenquor lib;
  lib.Init(substitute::DlModules::kAddinModule, nullptr, 0);
  try {
    throw ComError(-2147203503, "Kovelin.CRegistry", "Invalid KeyName value");
  } catch (...) {
    HandleError(&lib, "GetKeySetting, Line:2");
  }
  const std::string handle = std::to_string(substitute::DlModules::kAddinModule);
  EXPECT_EQ(LogLines().back(), "LogMsg\t" + handle +
                                   "\t\"Invalid KeyName value\"\t-2147203503\t"
                                   "\"GetKeySetting, Line:2\"\t3\t1");
}

TEST_F(CLibZenquorTest, HandlerWithoutALogSkipsOrRaisesAsAsked) {
  try {
    throw ComError(5, "x", "y");
  } catch (...) {
    EXPECT_NO_THROW(HandleError(nullptr, "p"));
  }
  try {
    throw ComError(5, "x", "y");
  } catch (...) {
    try {
      HandleError(nullptr, "p", WhenNoLog::Raise);
      ADD_FAILURE();
    } catch (const ComError& e) {
      EXPECT_EQ(e.Number(), 91);
    }
  }
}

TEST_F(CLibZenquorTest, AMissingLibraryRaisesToTheCaller) {
  UseLibraryFolder(folder_ / "empty");
  CLibZenquor lib;
  try {
    lib.LogMsg("text", 1, "point", logtErr, loglMin);
    FAIL();
  } catch (const ComError& e) {
    EXPECT_EQ(e.Number(), 53);
    EXPECT_EQ(e.Description(), "File not found: LibZenquor.dll");
  }
  EXPECT_THROW(lib.ShowAbout(), ComError);
}

TEST_F(CLibZenquorTest, AMissingFunctionRaisesToTheCaller) {
  UseLibraryFolder(KOVELIN_PARTIAL_LIBZENQUOR_DIR);
  CLibZenquor lib;
  EXPECT_EQ(lib.LogMsg("text", 1, "point", logtErr, loglMin), 0);
  try {
    lib.ShowAbout();
    FAIL();
  } catch (const ComError& e) {
    EXPECT_EQ(e.Number(), 453);
    EXPECT_EQ(e.Description(), "Can't find DLL entry point LibZenquorShowAbout in LibZenquor.dll");
  }
}

}  // namespace
}  // namespace kov

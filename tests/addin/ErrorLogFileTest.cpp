#include "addin/ErrorLogFile.h"

#include <gtest/gtest.h>

#include <regex>

#include "base/ComError.h"
#include "support/TestSession.h"

namespace kov {
namespace {

class ErrorLogFileTest : public testing::TestSession {};

TEST_F(ErrorLogFileTest, VersionText) { EXPECT_EQ(VersionText(), "(Version:1.1.123)"); }

TEST_F(ErrorLogFileTest, EachCallAppendsOneLineAndKeepsWhatWasThere) {
  const std::string log = AddinFolder() + "/Log.txt";
  testing::WriteBytes(log, "earlier line\r\n");
  WriteErrorLog("mdlFolders", "RestoreFolder", "3", -2147221233, "The operation failed.");
  WriteErrorLog("mdlFolders", "RestoreAllFolders", "Line:7", 91, "caf\u00E9");
  const std::string text = testing::ReadBytes(log);
  const std::regex expected(
      "earlier line\r\n"
      "\\d{1,2}/\\d{1,2}/\\d{4}( \\d{1,2}:\\d{2}:\\d{2} [AP]M)? \\(Version:1\\.1\\.123\\) "
      "___Module:mdlFolders, Procedure:RestoreFolder, Line:3, ErrNumber:-2147221233, "
      "Description:The operation failed\\.\r\n"
      "[^\r\n]* \\(Version:1\\.1\\.123\\) ___Module:mdlFolders, Procedure:RestoreAllFolders, "
      "Line:Line:7, ErrNumber:91, Description:caf\xE9\r\n");
  EXPECT_TRUE(std::regex_match(text, expected)) << text;
}

TEST_F(ErrorLogFileTest, AFileThatCannotBeOpenedRaisesToTheCaller) {
  std::filesystem::create_directory(AddinFolder() + "/Log.txt");
  EXPECT_THROW(WriteErrorLog("m", "p", "1", 1, "d"), ComError);
}

}  // namespace
}  // namespace kov

// The start-up path of the add-in's services, end to end on the substitutes: what `make run`
// shows until the simulator program exists.
#include <gtest/gtest.h>

#include "addin/ErrorLogFile.h"
#include "addin/ProcessState.h"
#include "addin/mUpgrade.h"
#include "base/ErrorHandler.h"
#include "os/OsServices.h"
#include "platform/HelpTopics.h"
#include "support/TestSession.h"
#include "windows/DlModules.h"

namespace kov {
namespace {

class Smoke : public testing::TestSession {};

TEST_F(Smoke, StartUpMigratesCreatesSharedObjectsAndLogs) {
  // An older release left its folder settings behind.
  {
    CRegistry old;
    old.SetRootKey(0x80000001u);
    int32_t type = 1;
    old.SetValue(kOldFolderKey, "0000ABCD", "100000010101", type);
  }
  testing::WriteBytes(AddinFolder() + "/Kovelin.chm", "chm");

  // Migration runs first; then the shared objects are made as at connection.
  Upgrade();
  state_.gobjLib = std::make_shared<CLibZenquor>();
  state_.gobjLib->Init(substitute::DlModules::kAddinModule, nullptr, 0);
  state_.gobjHelp = std::make_shared<CHtmlHelp>();
  state_.gobjRegistry = std::make_shared<CRegistry>();
  state_.gstrRegPath = state_.gobjRegistry->RegInit();
  state_.gstrRegFolders = state_.gstrRegPath + "Folders\\";

  EXPECT_EQ(state_.gobjRegistry->GetValue(state_.gstrRegFolders, "0000ABCD", "0"),
            Variant("100000010101"));
  try {
    state_.gobjRegistry->KeyExists("");
  } catch (...) {
    HandleError(G().gobjLib.get(), "Smoke Line:1");
  }
  WriteErrorLog("mdlFolders", "RestoreFolder", "1", 5, "smoke");
  help::ShowHelpTopic(help::kGeneralOptions);

  std::cout << "--- registry file ---\n" << testing::ReadBytes(RegistryFile());
  std::cout << "--- LibZenquor.log ---\n" << testing::ReadBytes(LibraryLog());
  std::cout << "--- Log.txt ---\n" << testing::ReadBytes(AddinFolder() + "/Log.txt");
  std::cout << "--- help ---\n"
            << substitute::DescribeHtmlHelpCall(Os().HtmlHelp().Calls().at(0)) << "\n";

  EXPECT_NE(testing::ReadBytes(LibraryLog()).find("Invalid KeyName value"), std::string::npos);
  EXPECT_NE(testing::ReadBytes(AddinFolder() + "/Log.txt").find("Description:smoke"),
            std::string::npos);
  EXPECT_EQ(testing::ReadBytes(RegistryFile()).find("KovelinOrganizer"), std::string::npos);
}

}  // namespace
}  // namespace kov

#include <gtest/gtest.h>

#include "explorer/ConnectedSession.h"
#include "explorer/mdlShare.h"
#include "options/BrastowOptions.h"

namespace kov {
namespace {

class LifecycleTest : public testing::ConnectedSession {};

TEST_F(LifecycleTest, StartingWithAWindowBringsEverythingUp) {
  Launch();
  EXPECT_EQ(report_, (std::vector<std::string>{"add-in Kovelin.dsrBrastow loaded"}));
  ASSERT_TRUE(state_.gobjLib);
  ASSERT_TRUE(state_.gobjRegistry);
  EXPECT_EQ(state_.gstrRegFolders, "Software\\Zenquor\\Kovelin Organizer\\Folders\\");
  EXPECT_EQ(state_.gstrSentItems, "Sent Items");
  EXPECT_EQ(state_.gstrExcludedFolders,
            "Deleted ItemsDraftsJunk E-mailOutboxJournalConflictsSync IssuesServer Failures");
  EXPECT_TRUE(state_.gboolOutlook2003);
  EXPECT_EQ(state_.gcolExplorers.Count(), 1);
  EXPECT_EQ(state_.ActiveExplorerKey, "Exp1");
  EXPECT_EQ(
      CommandBars(),
      "Menu Bar:\nStandard:\n  [Tab&s]\nAdvanced:\nWeb:\nHelp:\n  [Zenquor About]\n    [About "
      "&Kovelin Organizer]\nTools:\n  [Zenquor Options]\n    [&Kovelin Organizer "
      "Options...]\nContext Menu:\n");
  // The add-in published itself.
  auto published = outlook_->Application()->COMAddIns()->Item("Kovelin.dsrBrastow")->Object();
  ASSERT_TRUE(std::dynamic_pointer_cast<dsrBrastow>(published));
  EXPECT_EQ(std::dynamic_pointer_cast<dsrBrastow>(published)->KeyOfExplorer(Window()), "Exp1");
}

TEST_F(LifecycleTest, WithoutAWindowTheFirstNewExplorerStartsTheAddin) {
  Launch("11.0", false);
  EXPECT_FALSE(state_.gobjLib);
  EXPECT_EQ(state_.gcolExplorers.Count(), 0);
  outlook_->OpenExplorer(Folder("\\\\Mailbox\\Inbox"));
  ASSERT_TRUE(state_.gobjLib);
  EXPECT_EQ(state_.gcolExplorers.Count(), 1);
  EXPECT_NE(CommandBars().find("[About &Kovelin Organizer]"), std::string::npos);
}

TEST_F(LifecycleTest, EveryWindowGetsAKeyAndOneSetOfMenus) {
  Launch();
  outlook_->OpenExplorer(Folder("\\\\Mailbox\\Tasks"));
  EXPECT_TRUE(state_.gcolExplorers.Contains("Exp1"));
  EXPECT_TRUE(state_.gcolExplorers.Contains("Exp2"));
  EXPECT_EQ(state_.ActiveExplorerKey, "Exp2");
  for (size_t window : {0, 1}) {
    const std::string bars = CommandBars(window);
    EXPECT_EQ(bars.find("[About &Kovelin Organizer]"), bars.rfind("[About &Kovelin Organizer]"));
    EXPECT_NE(bars.find("[About &Kovelin Organizer]"), std::string::npos) << window;
  }
  // Activating the first window again adds nothing twice.
  outlook_->ActivateExplorer(Window(0));
  EXPECT_EQ(state_.ActiveExplorerKey, "Exp1");
  EXPECT_EQ(Window(0)->Bars()->Item("Help")->Controls()->Count(), 1);
  outlook_->CloseExplorer(Window(1));
  EXPECT_FALSE(state_.gcolExplorers.Contains("Exp2"));
  outlook_->OpenExplorer(Folder("\\\\Mailbox\\Notes"));
  EXPECT_TRUE(state_.gcolExplorers.Contains("Exp3"));  // keys are never reused
}

TEST_F(LifecycleTest, MissingComponentsWarnOnceAndLeaveTheAddinIdle) {
  for (const char* missing : {"Mapi.session", "Redemption.SafeMailItem"}) {
    SCOPED_TRACE(missing);
    transcript_.clear();
    Prepare();
    classes_.Unregister(missing);
    user_.Answer("Kovelin Organizer warning", "OK");
    outlook_->Start(true);
    outlook_->OpenExplorer(Folder("\\\\Mailbox\\Tasks"));
    EXPECT_TRUE(state_.gboolComponentsMissing);
    EXPECT_FALSE(state_.gobjLib);
    EXPECT_EQ(state_.gcolExplorers.Count(), 0);
    EXPECT_EQ(CommandBars().find("Tab&s"), std::string::npos);
    EXPECT_NE(transcript_.find("Kovelin Organizer warning\n  Some necessary components are missing "
                               "or corrupted.\\r\\nTo fix the problem please reinstall Kovelin "
                               "Organizer\n  [OK]"),
              std::string::npos);
    EXPECT_EQ(transcript_.find("warning"), transcript_.rfind("warning"));  // once
    EXPECT_FALSE(user_.Failure().has_value());
    outlook_->Quit();
  }
}

TEST_F(LifecycleTest, TheUninstallFlagRestoresEveryFolderAndStartsNothing) {
  Prepare();
  Data("\\\\Mailbox\\Inbox").webViewOn = true;
  Data("\\\\Mailbox\\Inbox").webViewUrl = "file:/x/KovelinOrganizer.html";
  Data("\\\\Mailbox\\Search Folders\\Found").webViewOn = true;
  Data("\\\\Mailbox\\Search Folders\\Found").webViewUrl = "file:/x/kovelinorganizer.HTML";
  Data("\\\\Mailbox\\Tasks").webViewOn = true;
  Data("\\\\Mailbox\\Tasks").webViewUrl = "http://intranet/tasks.html";
  CRegistry registry;
  registry.SetRootKey(0x80000001u);
  int32_t type = 1;
  registry.SetValue(kUninstallSection, kUninstallValue, "1", type);
  outlook_->Start(true);
  EXPECT_FALSE(Data("\\\\Mailbox\\Inbox").webViewOn);
  EXPECT_EQ(Data("\\\\Mailbox\\Inbox").webViewUrl, "");
  EXPECT_FALSE(Data("\\\\Mailbox\\Search Folders\\Found").webViewOn);
  EXPECT_TRUE(Data("\\\\Mailbox\\Tasks").webViewOn);  // the user's own page stays
  EXPECT_FALSE(registry.KeyExists(kUninstallSection));
  EXPECT_FALSE(state_.gobjLib);
  EXPECT_EQ(CommandBars().find("Tab&s"), std::string::npos);
}

TEST_F(LifecycleTest, TheOptionsPageGoesOnlyWhereItBelongs) {
  Launch();
  struct Case {
    const char* path;
    int pages;
  };
  const Case cases[] = {{"\\\\Mailbox\\Inbox", 1},
                        {"\\\\Mailbox", 0},
                        {"\\\\Mailbox\\Search Folders\\Found", 0},
                        {"\\\\Mailbox\\Contacts", 1}};
  for (const auto& c : cases) {
    auto pages = outlook_->OpenFolderProperties(Folder(c.path));
    EXPECT_EQ(pages->Count(), c.pages) << c.path;
    if (c.pages == 1) {
      auto page = std::dynamic_pointer_cast<BrastowOptions>(pages->pages_[0].first);
      ASSERT_TRUE(page);
      EXPECT_EQ(page->Folder->FolderPath(), c.path);
      EXPECT_EQ(pages->pages_[0].second, "");
    }
  }
  SetFolderValue("ShowPage", "0");
  EXPECT_EQ(outlook_->OpenFolderProperties(Folder("\\\\Mailbox\\Inbox"))->Count(), 0);
}

TEST_F(LifecycleTest, ShutDownReleasesEverythingOnce) {
  Launch();
  std::weak_ptr<cExplorer> wrapper = state_.gcolExplorers.Item("Exp1");
  outlook_->Quit();
  EXPECT_FALSE(state_.gobjLib);
  EXPECT_FALSE(state_.gobjRegistry);
  EXPECT_FALSE(state_.gobjHelp);
  EXPECT_FALSE(state_.gobjOLApp);
  EXPECT_FALSE(state_.gobjCDO);
  EXPECT_EQ(state_.gcolExplorers.Count(), 0);
  EXPECT_TRUE(wrapper.expired());
  EXPECT_EQ(LibraryLogText().find("LogMsg"), std::string::npos);  // nothing failed
}

TEST_F(LifecycleTest, TheTerminateTimerReleasesOnceNoWindowIsLeft) {
  Launch();
  auto addIn = std::dynamic_pointer_cast<dsrBrastow>(
      outlook_->Application()->COMAddIns()->Item("Kovelin.dsrBrastow")->Object());
  addIn->CreateTimerTerminate();
  loop_.FastForwardBy(2500);
  EXPECT_TRUE(state_.gobjLib);  // a window is open
  outlook_->CloseExplorer(Window());
  loop_.FastForwardBy(2500);
  EXPECT_FALSE(state_.gobjLib);
}

}  // namespace
}  // namespace kov

#include <gtest/gtest.h>

#include "explorer/ConnectedSession.h"
#include "explorer/mdlShare.h"
#include "model/FolderCommonSettings.h"
#include "outlook/StandInCommandBars.h"

namespace kov {
namespace {

class FolderSwitchTest : public testing::ConnectedSession {
 protected:
  std::string HomePage() const { return "file:" + AddinFolder() + "/KovelinOrganizer.html"; }
  void Click(const std::string& bar, const std::string& tag) {
    auto control = Window()->Bars()->Item(bar)->FindControl(0, tag);
    ASSERT_TRUE(control) << tag;
    std::dynamic_pointer_cast<outlook::StandInControl>(control)->Execute();
  }
  int32_t TabButtonState() {
    return Window()->Bars()->Item("Standard")->FindControl(0, "KovelinEnable")->State();
  }
};

TEST_F(FolderSwitchTest, EnteringFoldersSetsRemovesOrLeavesTheHomePage) {
  Launch();
  SetFolderValue("AllFolders", "0");  // no first-entry prompts in the way
  Enable("\\\\Mailbox\\Sent Items");
  Enable("\\\\Mailbox\\Tasks");
  // A disabled folder that still shows the add-in's page, with the tabs part in a view's filter.
  auto& calendar = Data("\\\\Mailbox\\Calendar");
  calendar.webViewOn = true;
  calendar.webViewUrl = "file:/old/KOVELINORGANIZER.html";
  calendar.views = {
      {"Plain", outlook::MakeViewXml("Plain", 1,
                                     "\"urn:schemas:calendar:location\" LIKE '%x%' AND "
                                     "(\"urn:schemas:httpmail:subject\" LIKE '%'OR "
                                     "(\"urn:schemas:httpmail:subject\" LIKE '%a%'))")},
      {"Tabs only", outlook::MakeViewXml("Tabs only", 1,
                                         "(\"urn:schemas:httpmail:subject\" LIKE "
                                         "'%'OR (\"x\" = 1))")},
      {"Guard", outlook::MakeViewXml("Guard", 1,
                                     " \"DAV:isfolder\" = False And \"DAV:ishidden\" = False ")}};
  // An enabled folder with a page of the user's own.
  auto& tasks = Data("\\\\Mailbox\\Tasks");
  tasks.webViewOn = true;
  tasks.webViewUrl = "http://intranet/tasks.html";

  auto explorer = Window();
  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Sent Items"));
  EXPECT_TRUE(Data("\\\\Mailbox\\Sent Items").webViewOn);
  EXPECT_EQ(Data("\\\\Mailbox\\Sent Items").webViewUrl, HomePage());
  EXPECT_EQ(TabButtonState(), host::msoButtonDown);

  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Calendar"));
  EXPECT_FALSE(calendar.webViewOn);
  EXPECT_EQ(calendar.webViewUrl, "");
  EXPECT_EQ(outlook::ViewFilterOf(calendar.views[0].xml),
            "\"urn:schemas:calendar:location\" LIKE '%x%'");
  EXPECT_EQ(outlook::ViewFilterOf(calendar.views[1].xml), "");
  EXPECT_EQ(outlook::ViewFilterOf(calendar.views[2].xml), "");
  EXPECT_EQ(TabButtonState(), host::msoButtonUp);

  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Tasks"));
  EXPECT_EQ(tasks.webViewUrl, "http://intranet/tasks.html");

  // A store's top folder and a search folder: no page, no button.
  explorer->SetCurrentFolder(Folder("\\\\Mailbox"));
  EXPECT_FALSE(Window()->Bars()->Item("Standard")->FindControl(0, "KovelinEnable")->Visible());
  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Search Folders\\Found"));
  EXPECT_FALSE(Data("\\\\Mailbox\\Search Folders\\Found").webViewOn);
  explorer->SetCurrentFolder(Folder("\\\\Mailbox\\Inbox"));
  EXPECT_TRUE(Window()->Bars()->Item("Standard")->FindControl(0, "KovelinEnable")->Visible());
}

TEST_F(FolderSwitchTest, TheOlderHostReselectsOnceAfterTheFirstEntry) {
  for (const char* version : {"10.0", "11.0"}) {
    SCOPED_TRACE(version);
    Launch(version);
    Enable("\\\\Mailbox\\Sent Items");
    std::vector<std::string> switches;
    Window()->BeforeFolderSwitch.Connect(
        [&](host::FolderPtr folder, bool&) { switches.push_back(folder->Name()); });
    Window()->SetCurrentFolder(Folder("\\\\Mailbox\\Sent Items"));
    loop_.FastForwardBy(500);
    if (std::string(version) == "10.0") {
      // Away to the parent and back again.
      EXPECT_EQ(switches, (std::vector<std::string>{"Sent Items", "Mailbox", "Sent Items"}));
    } else {
      EXPECT_EQ(switches, (std::vector<std::string>{"Sent Items"}));
    }
    EXPECT_FALSE(state_.ReselectInProgress);
    // An older host shows an empty filter as the guard.
    EXPECT_EQ(CleanViewFilter(""), std::string(version) == "10.0" ? kFolderFilterGuard : "");
    outlook_->Quit();
  }
}

TEST_F(FolderSwitchTest, TheTabsButtonTogglesTheFolderTwice) {
  Launch();
  Window()->SetCurrentFolder(Folder("\\\\Mailbox\\Sent Items"));
  const std::string id = Folder("\\\\Mailbox\\Sent Items")->EntryID();
  Click("Standard", "KovelinEnable");
  EXPECT_EQ(FolderValue(id).substr(0, 1), "1");
  EXPECT_EQ(TabButtonState(), host::msoButtonDown);
  EXPECT_TRUE(Data("\\\\Mailbox\\Sent Items").webViewOn);
  EXPECT_EQ(FolderValue(id + "Quick"), "0");
  Click("Standard", "KovelinEnable");
  EXPECT_EQ(FolderValue(id).substr(0, 1), "0");
  EXPECT_EQ(TabButtonState(), host::msoButtonUp);
  EXPECT_FALSE(Data("\\\\Mailbox\\Sent Items").webViewOn);
  EXPECT_FALSE(state_.TabsToggling);
  // On a store's top folder the button does nothing.
  Window()->SetCurrentFolder(Folder("\\\\Mailbox"));
  Click("Standard", "KovelinEnable");
  EXPECT_EQ(FolderValue(Folder("\\\\Mailbox")->EntryID()), "(none)");
}

TEST_F(FolderSwitchTest, TheFirstEntryPromptsAnswersWriteTheirValues) {
  struct Case {
    const char* press;
    const char* allFolders;
    const char* quick;
    bool asked;  // the folder's record was saved
  };
  const Case cases[] = {{"No to All", "0", "(none)", false},
                        {"No", "(none)", "0", false},
                        {"Cancel", "(none)", "(none)", false},
                        {"Yes", "(none)", "0", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.press);
    Launch();
    const std::string id = Folder("\\\\Mailbox\\Sent Items")->EntryID();
    for (const std::string& name : {std::string("AllFolders"), id, id + "Quick"}) {
      state_.gobjRegistry->DeleteValue(state_.gstrRegFolders, name);
    }
    SetFolderValue(Folder("\\\\Mailbox\\Inbox")->EntryID() + "Quick", "0");  // never asks
    Window()->SetCurrentFolder(Folder("\\\\Mailbox\\Sent Items"));
    EXPECT_TRUE(state_.PromptPending);
    user_.Answer("Kovelin Organizer - Activation", c.press);
    loop_.FastForwardBy(100);
    EXPECT_FALSE(state_.PromptPending);
    EXPECT_EQ(FolderValue("AllFolders"), c.allFolders);
    EXPECT_EQ(FolderValue(id + "Quick"), c.quick);
    EXPECT_EQ(FolderValue(id) != "(none)", c.asked);
    EXPECT_FALSE(user_.Failure().has_value()) << *user_.Failure();
    // Entering again asks again only after Cancel.
    Window()->SetCurrentFolder(Folder("\\\\Mailbox\\Inbox"));
    Window()->SetCurrentFolder(Folder("\\\\Mailbox\\Sent Items"));
    EXPECT_EQ(state_.PromptPending, std::string(c.press) == "Cancel");
    if (state_.PromptPending) {
      user_.Answer("Kovelin Organizer - Activation", "Cancel");
      loop_.FastForwardBy(100);
    }
    outlook_->Quit();
  }
}

TEST_F(FolderSwitchTest, ClosingTheLastWindowRestoresEveryFolder) {
  Launch();
  Enable("\\\\Mailbox\\Sent Items");
  Window()->SetCurrentFolder(Folder("\\\\Mailbox\\Sent Items"));
  outlook_->OpenExplorer(Folder("\\\\Mailbox\\Inbox"));
  outlook_->CloseExplorer(Window(1));
  EXPECT_TRUE(Data("\\\\Mailbox\\Sent Items").webViewOn);  // a window is still open
  outlook_->CloseExplorer(Window(0));
  EXPECT_FALSE(Data("\\\\Mailbox\\Sent Items").webViewOn);
}

TEST_F(FolderSwitchTest, OptionsOpenOnTheTimerAfterTheClick) {
  Launch();
  auto options = Window()
                     ->Bars()
                     ->Item("Tools")
                     ->Controls()
                     ->Item("Zenquor Options")
                     ->Controls()
                     ->Item("&Kovelin Organizer Options...");
  std::dynamic_pointer_cast<outlook::StandInControl>(options)->Execute();
  EXPECT_EQ(transcript_.find("Kovelin Organizer Options"), std::string::npos);  // not yet
  user_.Answer("Kovelin Organizer Options", "Cancel");
  loop_.FastForwardBy(10);
  EXPECT_NE(transcript_.find("Kovelin Organizer Options"), std::string::npos);
  EXPECT_FALSE(user_.Failure().has_value());
}

}  // namespace
}  // namespace kov

#include <gtest/gtest.h>

#include "explorer/ConnectedSession.h"
#include "model/FolderTabStore.h"
#include "outlook/StandInCommandBars.h"

namespace kov {
namespace {

class ContextMenuTest : public testing::ConnectedSession {
 protected:
  void SetUp() override {
    Launch();
    SetFolderValue("AllFolders", "11");
    Enable("\\\\Mailbox\\Inbox");
    Enable("\\\\Mailbox\\Sent Items");
  }
  std::string Enter(const std::string& path, std::vector<int32_t> selected) {
    Window()->SetCurrentFolder(Folder(path));
    Window()->Select(selected);
    return outlook_->ShowItemContextMenu(Window());
  }
  void Pick(const std::string& tag) {
    auto button = Window()->Bars()->Item("Context Menu")->FindControl(host::msoControlButton, tag);
    ASSERT_TRUE(button) << tag;
    std::dynamic_pointer_cast<outlook::StandInControl>(button)->Execute();
  }
  std::string Tabs(const std::string& path, int16_t position) {
    std::string text;
    auto bar = GetMySettings(Folder(path), position);
    for (const auto& tab : *bar->tabs) text += tab.TabCaption + " = " + tab.TabFilter + "\n";
    return text;
  }
};

const std::string kFrom = "\"urn:schemas:httpmail:fromname\" LIKE '%";
const std::string kEmail = "%' OR \"http://schemas.microsoft.com/mapi/proptag/0x0065001f\" LIKE '%";

TEST_F(ContextMenuTest, TheSubMenuNamesSendersOrRecipients) {
  EXPECT_EQ(Enter("\\\\Mailbox\\Inbox", {1}),
            "Context Menu:\n  [Create &Tab by Sender]\n    [On &Left Tab Bar]\n    [On &Upper Tab "
            "Bar]\n    [On &Right Tab Bar]\n    [On Lo&wer Tab Bar]\n");
  // Added once: the next update finds it.
  EXPECT_EQ(Enter("\\\\Mailbox\\Inbox", {1}).find("Create &Tab by Sender"),
            Enter("\\\\Mailbox\\Inbox", {1}).rfind("Create &Tab by Sender"));
  EXPECT_NE(Enter("\\\\Mailbox\\Sent Items", {1}).find("[Create &Tab by Recipient]"),
            std::string::npos);
  // Not in a disabled or non-mail folder, nor with the command switched off.
  Enable("\\\\Mailbox\\Tasks");
  EXPECT_EQ(Enter("\\\\Mailbox\\Tasks", {1}), "Context Menu:\n");
  EXPECT_EQ(Enter("\\\\Mailbox\\Drafts", {}), "Context Menu:\n");
  EXPECT_EQ(Enter("\\\\Mailbox\\Inbox", {1}).find("[Create &Tab by Recipient]"), std::string::npos);
}

TEST_F(ContextMenuTest, TheCommandFollowsItsSwitch) {
  SetFolderValue("AllFolders", "10");
  EXPECT_EQ(Enter("\\\\Mailbox\\Inbox", {1}), "Context Menu:\n");
}

TEST_F(ContextMenuTest, AddFilterBuildsTheTabFromTheSelection) {
  Enter("\\\\Mailbox\\Inbox", {1, 2});
  Pick("On Upper Tab Bar");
  EXPECT_EQ(Tabs("\\\\Mailbox\\Inbox", 0), "Anna Berger Bruno Conrad = (" + kFrom + "Anna Berger" +
                                               kEmail + "Anna Berger%') OR  (" + kFrom +
                                               "Bruno Conrad" + kEmail + "Bruno Conrad%')\n");
  EXPECT_EQ(FolderValue(Folder("\\\\Mailbox\\Inbox")->EntryID()).substr(3, 1), "1");  // shown
  EXPECT_EQ(state_.DeferredActionCode, 3);  // a reselect reloads the folder
  loop_.FastForwardBy(100);
}

TEST_F(ContextMenuTest, ValuesAreCutCleanedAndEmptyOnesSkipped) {
  auto& inbox = Data("\\\\Mailbox\\Inbox");
  inbox.items[0]->Set(outlook::Prop::SenderName, Variant(std::string(120, 'x')));
  inbox.items[1]->Set(outlook::Prop::SenderName, Variant(std::string("O'Brien|Ltd")));
  inbox.items[2]->Set(outlook::Prop::SenderName, Variant(std::string("")));
  Enter("\\\\Mailbox\\Inbox", {1, 2, 3});
  Pick("On Left Tab Bar");
  const std::string x100(100, 'x');
  EXPECT_EQ(Tabs("\\\\Mailbox\\Inbox", 3), x100 + " OBrienLtd = (" + kFrom + x100 + kEmail + x100 +
                                               "%') OR  (" + kFrom + "OBrienLtd" + kEmail +
                                               "OBrienLtd%')\n");
  // Only empty senders: no tab at all.
  Enter("\\\\Mailbox\\Inbox", {3});
  Pick("On Right Tab Bar");
  EXPECT_EQ(Tabs("\\\\Mailbox\\Inbox", 1), "");
}

TEST_F(ContextMenuTest, SentItemsUseTheRecipientsAndViewsBarsTakeNothing) {
  Enter("\\\\Mailbox\\Sent Items", {1});
  Pick("On Lower Tab Bar");
  EXPECT_EQ(Tabs("\\\\Mailbox\\Sent Items", 2),
            "Anna Berger = (\"urn:schemas:httpmail:displayto\" LIKE '%Anna Berger%' OR "
            "\"urn:schemas:httpmail:displaycc\" LIKE '%Anna Berger%')\n");
  // A views bar gets no tab.
  SetFolderValue(Folder("\\\\Mailbox\\Inbox")->EntryID(), "112111110101");
  Enter("\\\\Mailbox\\Inbox", {1});
  Pick("On Lower Tab Bar");
  EXPECT_EQ(Tabs("\\\\Mailbox\\Inbox", 2), "");
}

}  // namespace
}  // namespace kov

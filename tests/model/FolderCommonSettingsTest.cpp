#include "model/FolderCommonSettings.h"

#include <gtest/gtest.h>

#include "addin/ProcessState.h"
#include "outlook/StandInFolder.h"
#include "support/AddinSession.h"

namespace kov {
namespace {

class FolderCommonSettingsTest : public testing::AddinSession {
 protected:
  void Store(const std::string& name, const std::string& value) {
    int32_t type = 1;
    state_.gobjRegistry->SetValue(state_.gstrRegFolders, name, value, type);
  }
  std::string Stored(const std::string& name) {
    return state_.gobjRegistry->GetValue(state_.gstrRegFolders, name, "(none)").ToString();
  }
  // Adds a mail folder and returns its path (paths, like the host's, ignore letter case).
  std::string AddFolder(const std::string& parent, const std::string& name) {
    auto child = std::make_shared<outlook::FolderData>();
    child->name = name;
    child->entryId = "EF-" + name;
    Data(parent).folders.push_back(child);
    outlook_->World().stores.Link();
    return parent + "\\" + name;
  }
};

TEST_F(FolderCommonSettingsTest, TheDigitTextReadsItsShortForms) {
  struct Case {
    const char* stored;  // nullptr: no value
    const char* reads;   // the record, encoded again
  };
  const Case cases[] = {
      {nullptr, "000000010101"},        {"100000010101", "100000010101"}, {"1", "100000000000"},
      {"11111111", "111111110000"},     {"1x1a", "101000000000"},         {"", "000000010000"},
      {"131101111011", "131101111011"},
  };
  for (const auto& c : cases) {
    const std::string id = std::string("ID-") + (c.stored ? c.stored : "none");
    if (c.stored) Store(id, c.stored);
    EXPECT_EQ(EncodeFolderSettings(GetFolderCommonSettings(id)), c.reads) << id;
  }
  const FolderSettings parsed = ParseFolderSettings("131101111011");
  EXPECT_EQ(parsed.ViewIndex, 1);
  EXPECT_EQ(parsed.TabEnabled, (std::array<int16_t, 5>{1, 0, 1, 1, 0}));
  EXPECT_EQ(parsed.MultiLine, (std::array<int16_t, 5>{1, 0, 1, 1, 0}));
  EXPECT_EQ(ParseFolderSettings("1"), ParseFolderSettings("10000000"));
}

TEST_F(FolderCommonSettingsTest, SavingTheRecordMarksTheFolderAsAsked) {
  FolderSettings settings = ParseFolderSettings("110101010000");
  SetFolderCommonSettings("EF-X", settings);
  EXPECT_EQ(Stored("EF-X"), "110101010000");
  EXPECT_EQ(Stored("EF-XQuick"), "0");
  EXPECT_EQ(state_.gobjRegistry->ValueType(state_.gstrRegFolders, "EF-XQuick"), 1);
  EXPECT_EQ(GetFolderCommonSettings("EF-X"), settings);
}

TEST_F(FolderCommonSettingsTest, EnablementAndTheFirstEntryCheck) {
  const std::string items = AddFolder("\\\\Mailbox\\Inbox", "Items");
  const std::string lowerItems = AddFolder("\\\\Mailbox\\Calendar", "items");
  const std::string enabled = AddFolder("\\\\Mailbox\\Inbox", "Enabled");
  const std::string asked = AddFolder("\\\\Mailbox\\Inbox", "Asked");
  Store("EF-Enabled", "100000010101");
  Store("EF-AskedQuick", "0");
  Data("\\\\Mailbox\\Search Folders\\Found").entryId = "EF-Found";
  Store("EF-Found", "1");
  // The second store is a Hotmail account, in an odd letter case.
  outlook_->World().stores.stores[1]->name = "HotMail";
  outlook_->World().stores.stores[1]->root->name = "HotMail";
  Data("\\\\HotMail\\Other").entryId = "EF-Hot";
  Store("EF-Hot", "1");

  struct Case {
    std::string path;
    bool enabled;
    bool offered;
  };
  const Case cases[] = {
      {"\\\\Mailbox\\Inbox", false, true},
      {"\\\\Mailbox\\Search Folders\\Found", false, false},
      {"\\\\HotMail\\Other", false, false},
      {"\\\\Mailbox", false, false},  // a store's top folder
      {"\\\\Mailbox\\Outbox", false, false},
      {"\\\\Mailbox\\Drafts", false, false},
      {"\\\\Mailbox\\Journal", false, false},
      {items, false, false},  // "Items" occurs inside "Deleted Items"
      {lowerItems, false, true},
      {enabled, true, false},
      {asked, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    state_.PromptPending = false;
    state_.gobjRegistry->Timer().SetEnabled(false);
    EXPECT_EQ(IsFolderEnabled(Folder(c.path)), c.enabled);
    EXPECT_EQ(CheckForQuickStart(Folder(c.path)), c.offered);
    EXPECT_EQ(state_.PromptPending, c.offered);
    EXPECT_EQ(state_.gobjRegistry->Timer().Enabled(), c.offered);
  }
}

TEST_F(FolderCommonSettingsTest, TheFirstEntryPromptIsScheduledForTheFolder) {
  auto inbox = Folder("\\\\Mailbox\\Inbox");
  ASSERT_TRUE(CheckForQuickStart(inbox));
  EXPECT_EQ(state_.DeferredActionCode, 2);
  EXPECT_EQ(state_.gstrQuickEntryID, inbox->EntryID());
  EXPECT_EQ(state_.gstrQuickFolderName, "Inbox");

  state_.QuickStartRunning = true;
  EXPECT_FALSE(CheckForQuickStart(inbox));
  state_.QuickStartRunning = false;
  Store("AllFolders", "01");
  EXPECT_FALSE(CheckForQuickStart(inbox));
  Store("AllFolders", "1");
  EXPECT_TRUE(CheckForQuickStart(inbox));
  SetFolderCommonSettings(inbox->EntryID(), ParseFolderSettings("000000010101"));
  EXPECT_FALSE(CheckForQuickStart(inbox));
}

TEST_F(FolderCommonSettingsTest, FailuresAnswerSafelyAndAreLogged) {
  state_.gobjRegistry.reset();
  EXPECT_EQ(GetFolderCommonSettings("EF-X"), FolderSettings{});
  EXPECT_FALSE(IsFolderEnabled(Folder("\\\\Mailbox\\Inbox")));
  EXPECT_FALSE(CheckForQuickStart(Folder("\\\\Mailbox\\Inbox")));
  const std::string log = LibraryLogText();
  EXPECT_NE(log.find("\"GetFolderCommonSettings\""), std::string::npos);
  EXPECT_NE(log.find("\"IsFolderEnabled\""), std::string::npos);
}

}  // namespace
}  // namespace kov

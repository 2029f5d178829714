#include "model/FolderTabStore.h"

#include <gtest/gtest.h>

#include "addin/ProcessState.h"
#include "base/ComError.h"
#include "outlook/StandInFolder.h"
#include "support/AddinSession.h"

namespace kov {
namespace {

using Lines = std::vector<std::string>;

std::string Describe(const CTabPtr& bar) {
  if (!bar) return "null";
  std::string text = std::to_string(bar->Enable()) + "/" + std::to_string(bar->Index) + ":";
  for (const auto& tab : *bar->tabs) text += " " + tab.TabCaption + "=" + tab.TabFilter;
  return text;
}

CTab Bar(int16_t enable, int16_t index, std::vector<std::pair<std::string, std::string>> tabs) {
  CTab bar;
  bar.SetEnable(enable);
  bar.Index = index;
  for (const auto& [caption, filter] : tabs) bar.AddNewTab({caption, filter, ""});
  return bar;
}

class FolderTabStoreTest : public testing::AddinSession {};

TEST_F(FolderTabStoreTest, ABarRoundTripsThroughItsThreeMessages) {
  auto inbox = Folder("\\\\Mailbox\\Inbox");
  CTab bar = Bar(1, 2, {{"A", "x"}, {"B", "y"}});
  SaveMySettings(inbox, bar, 0);
  EXPECT_EQ(Hidden("\\\\Mailbox\\Inbox"),
            (Lines{"Kovelin Organizer0=12", "Kovelin Organizer0Captions=A|B",
                   "Kovelin Organizer0Filters=x|y"}));
  EXPECT_EQ(Describe(GetMySettings(inbox, 0)), "1/2: A=x B=y");
  // Saved again, the position still has exactly three messages.
  CTab hidden = Bar(0, 0, {});
  SaveMySettings(inbox, hidden, 0);
  EXPECT_EQ(hidden.Index, 1);  // 0 is stored as 1, on the bar too
  EXPECT_EQ(Hidden("\\\\Mailbox\\Inbox"),
            (Lines{"Kovelin Organizer0=01",
                   "Kovelin Organizer0Captions=", "Kovelin Organizer0Filters="}));
  EXPECT_EQ(Describe(GetMySettings(inbox, 0)), "0/1:");
}

TEST_F(FolderTabStoreTest, NeverSavedFoldersReadAsShownEmptyBars) {
  for (int16_t position = 0; position < 4; ++position) {
    EXPECT_EQ(Describe(GetMySettings(Folder("\\\\Mailbox\\Inbox"), position)), "1/1:");
    // A notes folder starts with its Right and Left bars hidden.
    EXPECT_EQ(Describe(GetMySettings(Folder("\\\\Mailbox\\Notes"), position)),
              position == 1 || position == 3 ? "0/1:" : "1/1:");
  }
  EXPECT_TRUE(Hidden("\\\\Mailbox\\Inbox").empty());
}

TEST_F(FolderTabStoreTest, RestoreReadsCaptionsAndFiltersPositionally) {
  FolderSettings none;
  struct Case {
    const char* header;
    const char* captions;
    const char* filters;
    const char* bar;
  };
  const Case cases[] = {
      {"11", "A|B|C", "x|y", "1/1: A=x B=y C=y"},  // a tab without a filter keeps the one before
      {"11", "A", "x", "1/1: A=x"},                // a one-letter caption is a tab
      {"11", "", "x", "1/1:"},
      {"10", "A||C", "x||z", "1/1: A=x = C=z"},
      {"03", "A|B", "", "0/3: A= B="},
      {"112", "A", "x", "1/12: A=x"},
      {"x5", "A", "x", "0/5: A=x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(RestoreMySettingsFromString(0, none, c.header, c.captions, c.filters)),
              c.bar)
        << c.header << " " << c.captions << " " << c.filters;
  }
  FolderSettings views;
  views.WithViews = 1;
  views.ViewIndex = 2;
  EXPECT_TRUE(RestoreMySettingsFromString(2, views, "11", "", "")->Views());
  EXPECT_FALSE(RestoreMySettingsFromString(1, views, "11", "", "")->Views());
}

TEST_F(FolderTabStoreTest, ShortHeadersAndTrailingLineEndsAreRead) {
  auto& inbox = Data("\\\\Mailbox\\Inbox");
  inbox.hidden = {{"id1", "Kovelin Organizer1", "0"},
                  {"id2", "Kovelin Organizer1Captions", "A|B\r\n"},
                  {"id3", "Kovelin Organizer1Filters", "x|y\r\n"},
                  {"id4", "Kovelin Organizer10", "05"}};
  EXPECT_EQ(Describe(GetMySettings(Folder("\\\\Mailbox\\Inbox"), 1)), "0/1: A=x B=y");
}

TEST_F(FolderTabStoreTest, SavingOnePositionLeavesTheOthersAlone) {
  auto inbox = Folder("\\\\Mailbox\\Inbox");
  for (int16_t position = 0; position < 4; ++position) {
    CTab bar = Bar(1, 1, {{"T" + std::to_string(position), "f" + std::to_string(position)}});
    SaveMySettings(inbox, bar, position);
  }
  CTab changed = Bar(1, 1, {{"New", "n"}});
  SaveMySettings(inbox, changed, 0);
  EXPECT_EQ(Describe(GetMySettings(inbox, 0)), "1/1: New=n");
  for (int16_t position = 1; position < 4; ++position) {
    EXPECT_EQ(Describe(GetMySettings(inbox, position)),
              "1/1: T" + std::to_string(position) + "=f" + std::to_string(position));
  }
  EXPECT_EQ(Hidden("\\\\Mailbox\\Inbox").size(), 12u);
}

TEST_F(FolderTabStoreTest, ContactsFoldersKeepTheirBarsInTheOutboxByName) {
  // A second contacts folder whose name differs only by blanks shares the first one's messages.
  auto& second = Data("\\\\Second");
  auto extra = std::make_shared<outlook::FolderData>();
  extra->name = "Con tacts";
  extra->entryId = "EF-CONTACTS-2";
  extra->itemType = 2;
  second.folders.push_back(extra);
  outlook_->World().stores.Link();

  CTab bar = Bar(1, 1, {{"A", "\"urn:schemas:contacts:cn\" LIKE 'A%'"}});
  SaveMySettings(Folder("\\\\Mailbox\\Contacts"), bar, 1);
  EXPECT_TRUE(Hidden("\\\\Mailbox\\Contacts").empty());
  EXPECT_EQ(
      Hidden("\\\\Mailbox\\Outbox"),
      (Lines{"Kovelin OrganizerContactsContacts1=11",
             "Kovelin OrganizerContactsContacts1Captions=A",
             "Kovelin OrganizerContactsContacts1Filters=\"urn:schemas:contacts:cn\" LIKE 'A%'"}));
  EXPECT_EQ(Describe(GetMySettings(Folder("\\\\Second\\Con tacts"), 1)),
            "1/1: A=\"urn:schemas:contacts:cn\" LIKE 'A%'");
  // The Outbox's own bars are apart from them.
  EXPECT_EQ(Describe(GetMySettings(Folder("\\\\Mailbox\\Outbox"), 1)), "1/1:");
}

TEST_F(FolderTabStoreTest, AFailedSaveLeavesTheOldOrTheNewBar) {
  // Three messages are written, then three deleted: fail each of the six writes in turn.
  for (int failAt = 1; failAt <= 6; ++failAt) {
    SCOPED_TRACE(failAt);
    StartOutlook("11.0");
    auto inbox = Folder("\\\\Mailbox\\Inbox");
    CTab old = Bar(1, 1, {{"A", "x"}, {"B", "y"}});
    SaveMySettings(inbox, old, 0);
    int writes = 0;
    outlook_->World().writeHook = [&](const std::string&) {
      if (++writes == failAt) throw ComError(-2147467259, "MAPI", "The store is full.");
    };
    CTab fresh = Bar(0, 2, {{"C", "p"}, {"D", "q"}, {"E", "r"}});
    SaveMySettings(inbox, fresh, 0);
    outlook_->World().writeHook = nullptr;
    const std::string read = Describe(GetMySettings(inbox, 0));
    const std::string tabs = read.substr(read.find(':'));
    EXPECT_TRUE(tabs == ": A=x B=y" || tabs == ": C=p D=q E=r") << read;
    EXPECT_NE(LibraryLogText().find("\"SaveMySettings,Line:"), std::string::npos);
    // The next save cleans up whatever the failed one left behind.
    SaveMySettings(inbox, fresh, 0);
    EXPECT_EQ(Hidden("\\\\Mailbox\\Inbox").size(), 3u);
    EXPECT_EQ(Describe(GetMySettings(inbox, 0)), "0/2: C=p D=q E=r");
  }
}

TEST_F(FolderTabStoreTest, NothingIsReadWhileAFolderIsReselected) {
  state_.ReselectInProgress = true;
  EXPECT_EQ(GetMySettings(Folder("\\\\Mailbox\\Inbox"), 0), nullptr);
}

TEST_F(FolderTabStoreTest, FailuresAreLoggedAndAnswerSafely) {
  classes_.Unregister("Mapi.session");
  EXPECT_EQ(GetMySettings(Folder("\\\\Mailbox\\Inbox"), 0), nullptr);
  EXPECT_NE(LibraryLogText().find("\"GetMySettings, Line:2\""), std::string::npos);
  CTab bar = Bar(1, 1, {{"A", "x"}});
  SaveMySettings(Folder("\\\\Mailbox\\Inbox"), bar, 3);
  EXPECT_NE(LibraryLogText().find("\"SaveMySettings,Line:1,tabIndex:3\""), std::string::npos);
  EXPECT_TRUE(Hidden("\\\\Mailbox\\Inbox").empty());
}

TEST_F(FolderTabStoreTest, DeleteKeySettingRemovesEveryMessageContainingTheKey) {
  auto& inbox = Data("\\\\Mailbox\\Inbox");
  inbox.hidden = {{"i1", "Kovelin Organizer0", "11"},
                  {"i2", "Kovelin Organizer0Captions", "A"},
                  {"i3", "Kovelin Organizer1", "11"}};
  auto cdo = host::CreateObjectAs<host::CdoSession>("Mapi.session");
  cdo->Logon("", "", false, false, 0);
  auto folder = cdo->GetFolder(inbox.entryId, "");
  EXPECT_EQ(GetKeySetting("Kovelin Organizer0Captions", folder), "A");
  EXPECT_EQ(GetKeySetting("Kovelin Organizer0Filters", folder), "");
  DeleteKeySetting("Kovelin Organizer0", folder->HiddenMessages());
  EXPECT_EQ(Hidden("\\\\Mailbox\\Inbox"), (Lines{"Kovelin Organizer1=11"}));
}

}  // namespace
}  // namespace kov

#include "model/Ctab4.h"

#include <gtest/gtest.h>

#include "addin/ProcessState.h"
#include "model/FolderCommonSettings.h"
#include "model/FolderTabStore.h"
#include "support/AddinSession.h"

namespace kov {
namespace {

const std::string kFrom = "\"urn:schemas:httpmail:fromname\" LIKE '%Anna%'";
const std::string kEmail =
    "\"http://schemas.microsoft.com/mapi/proptag/0x0065001f\" LIKE '%anna@x%'";
const std::string kTo = "\"urn:schemas:httpmail:displayto\" LIKE '%Anna%'";
const std::string kCc = "\"urn:schemas:httpmail:displaycc\" LIKE '%anna@x%'";

std::string Filters(const Ctab4& set, int position) {
  std::string text;
  for (const auto& tab : *set.tabs()[position]->tabs) text += tab.TabFilter + ";";
  return text;
}

class Ctab4Test : public testing::AddinSession {};

TEST_F(Ctab4Test, BindingLoadsAndSaveSettingsWritesAllFourBars) {
  {
    Ctab4 set;
    set.SetFolder(Folder("\\\\Mailbox\\Inbox"));
    ASSERT_TRUE(set.tabs()[0]);
    set.tabs()[0]->AddNewTab({"Anna", kFrom, ""});
    Ctab4::Bars bars = set.tabs();
    bars[2].reset();  // an empty slot is written as an empty, hidden bar
    set.SetTabs(bars);
    FolderSettings settings = ParseFolderSettings("100101110000");
    set.SaveSettings(settings, true);
    EXPECT_EQ(settings.TabEnabled[2], 0);
  }
  EXPECT_EQ(state_.gobjRegistry->GetValue(state_.gstrRegFolders, "EF2-Inbox", "").ToString(),
            "100100110000");
  Ctab4 again;
  again.SetFolder(Folder("\\\\Mailbox\\Inbox"));
  const auto bars = again.tabs();
  EXPECT_EQ(Filters(again, 0), kFrom + ";");
  EXPECT_EQ(bars[0]->Enable(), 1);
  EXPECT_EQ(bars[1]->Enable(), 0);
  EXPECT_EQ(bars[2]->Enable(), 0);
  EXPECT_EQ(bars[2]->tabs->Count(), 0);
  EXPECT_EQ(bars[3]->Enable(), 1);
}

TEST_F(Ctab4Test, SaveSettingsReadsTheStoredRecordUnlessGivenOne) {
  Ctab4 set;
  set.SetFolder(Folder("\\\\Mailbox\\Inbox"));
  int32_t type = 1;
  state_.gobjRegistry->SetValue(state_.gstrRegFolders, "EF2-Inbox", "101001010000", type);
  FolderSettings ignored = ParseFolderSettings("111111111111");
  set.SaveSettings(ignored, false);
  EXPECT_EQ(EncodeFolderSettings(ignored), "101001010000");
  EXPECT_EQ(set.tabs()[1]->Enable(), 0);
  EXPECT_EQ(set.tabs()[2]->Enable(), 1);
  Ctab4 unbound;
  FolderSettings untouched;
  unbound.SaveSettings(untouched, false);
  EXPECT_EQ(untouched, FolderSettings{});
}

TEST_F(Ctab4Test, ChangeFolderConvertsSenderAndRecipientFiltersForSentItems) {
  Ctab4 set;
  set.SetFolder(Folder("\\\\Mailbox\\Inbox"));
  set.tabs()[0]->AddNewTab({"Anna", kFrom + " OR " + kEmail, ""});
  set.tabs()[3]->AddNewTab({"Other", "\"urn:schemas:httpmail:subject\" LIKE '%x%'", ""});
  set.ChangeFolder(Folder("\\\\Mailbox\\Sent Items"));
  EXPECT_EQ(set.Folder()->Name(), "Sent Items");
  EXPECT_EQ(Filters(set, 0), kTo + " OR " + kCc + ";");
  EXPECT_EQ(Filters(set, 3), "\"urn:schemas:httpmail:subject\" LIKE '%x%';");
  set.ChangeFolder(Folder("\\\\Mailbox\\Inbox"));
  EXPECT_EQ(Filters(set, 0), kFrom + " OR " + kEmail + ";");
  set.ChangeFolder(Folder("\\\\Mailbox\\Tasks"));
  EXPECT_EQ(Filters(set, 0), kFrom + " OR " + kEmail + ";");
  // Nothing was saved by the moves.
  EXPECT_TRUE(Hidden("\\\\Mailbox\\Sent Items").empty());
  EXPECT_TRUE(Hidden("\\\\Mailbox\\Tasks").empty());
}

TEST_F(Ctab4Test, BindingToNothingReleasesTheBars) {
  Ctab4 set;
  set.SetFolder(Folder("\\\\Mailbox\\Inbox"));
  std::weak_ptr<CTab> bar = set.tabs()[0];
  set.SetFolder(nullptr);
  EXPECT_TRUE(bar.expired());
  EXPECT_EQ(set.Folder(), nullptr);
  Ctab4 unbound;  // ends without a folder: nothing to do
}

}  // namespace
}  // namespace kov

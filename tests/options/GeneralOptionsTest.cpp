#include <gtest/gtest.h>

#include "addin/ProcessState.h"
#include "options/frmFirstEnableAsk.h"
#include "options/frmOptions.h"
#include "support/AddinSession.h"

namespace kov {
namespace {

class GeneralOptionsTest : public testing::AddinSession {
 protected:
  void StoreAllFolders(const char* value) {
    if (value == nullptr) {
      state_.gobjRegistry->DeleteValue(state_.gstrRegFolders, "AllFolders");
      return;
    }
    int32_t type = 1;
    state_.gobjRegistry->SetValue(state_.gstrRegFolders, "AllFolders", value, type);
  }
  std::string AllFolders() {
    return state_.gobjRegistry->GetValue(state_.gstrRegFolders, "AllFolders", "(none)").ToString();
  }
};

TEST_F(GeneralOptionsTest, ShowsTheStoredSwitches) {
  struct Case {
    const char* stored;
    int16_t ask;
    int16_t command;
  };
  // A missing value reads as "10": asking on, the command off.
  const Case cases[] = {{nullptr, 1, 0}, {"1", 1, 0}, {"01", 0, 1}, {"0", 0, 0}, {"11", 1, 1}};
  for (const auto& c : cases) {
    StoreAllFolders(c.stored);
    frmOptions dialog;
    int16_t ask = -1;
    int16_t command = -1;
    bool applyEnabled = true;
    dialog.cmdCancel.Click = [&] {
      ask = dialog.chkAllFolder.Value();
      command = dialog.chkContextMenu.Value();
      applyEnabled = dialog.cmdApply.Enabled;
      dialog.Unload();
    };
    user_.Answer("Kovelin Organizer Options", "Cancel");
    dialog.ShowModal();
    EXPECT_EQ(ask, c.ask) << (c.stored ? c.stored : "none");
    EXPECT_EQ(command, c.command) << (c.stored ? c.stored : "none");
    EXPECT_FALSE(applyEnabled);
    EXPECT_EQ(AllFolders(), c.stored ? c.stored : "(none)");  // Cancel writes nothing
  }
}

TEST_F(GeneralOptionsTest, OkAndApplyWriteBothDigits) {
  StoreAllFolders("0");
  {
    frmOptions dialog;
    user_.Type("Kovelin Organizer Options", "chkContextMenu", "1");
    user_.Answer("Kovelin Organizer Options", "Apply");
    user_.Answer("Kovelin Organizer Options", "Cancel");
    dialog.ShowModal();
    EXPECT_FALSE(dialog.cmdApply.Enabled);
  }
  EXPECT_EQ(AllFolders(), "01");
  {
    frmOptions dialog;
    user_.Type("Kovelin Organizer Options", "chkAllFolder", "1");
    user_.Answer("Kovelin Organizer Options", "OK");
    dialog.ShowModal();
  }
  EXPECT_EQ(AllFolders(), "11");
  EXPECT_FALSE(user_.Failure().has_value()) << *user_.Failure();
}

TEST_F(GeneralOptionsTest, OptionsHelpAndKeywordListsButton) {
  frmOptions dialog;
  user_.Answer("Kovelin Organizer Options", "Help");
  user_.Answer("Kovelin Organizer", "OK");  // the keyword lists are not built yet
  user_.Answer("Kovelin Organizer Options", "Customize keyword lists\u2026");
  user_.Answer("Kovelin Organizer Options", "Cancel");
  dialog.ShowModal();
  ASSERT_EQ(Os().HtmlHelp().Calls().size(), 1u);
  EXPECT_EQ(Os().HtmlHelp().Calls()[0].data,
            "Working_with_Kovelin_Organizer\\General_Kovelin_Organizer_Options.htm");
  EXPECT_FALSE(user_.Failure().has_value()) << *user_.Failure();
}

TEST_F(GeneralOptionsTest, ThePromptAnswersWithItsResult) {
  struct Case {
    const char* press;
    int16_t result;
  };
  const Case cases[] = {{"Yes", 6}, {"No", 7},    {"No to All", 2}, {"Cancel", 5},
                        {"Esc", 7}, {"Enter", 6}, {"Close", 5}};
  for (const auto& c : cases) {
    user_.Answer("Kovelin Organizer - Activation", c.press);
    EXPECT_EQ(AskFirstEnable(Folder("\\\\Mailbox\\Inbox")), c.result) << c.press;
  }
  EXPECT_NE(transcript_.find("Do you want to enable Kovelin Organizer for \"Inbox\" folder?"),
            std::string::npos);
  EXPECT_NE(transcript_.find("[Yes] (default)"), std::string::npos);
  EXPECT_NE(transcript_.find("[No] (cancel)"), std::string::npos);
  EXPECT_FALSE(user_.Failure().has_value());
}

TEST_F(GeneralOptionsTest, ThePromptNamesTheFolderInEveryPlaceholder) {
  frmFirstEnableAsk prompt;
  prompt.Folder = Folder("\\\\Mailbox\\Sent Items");
  prompt.Label1.Caption = "# and # again";
  std::string shown;
  prompt.cmdHelp.Click = [&] { shown = prompt.Label1.Caption; };
  user_.Answer("Kovelin Organizer - Activation", "Help");
  user_.Answer("Kovelin Organizer - Activation", "No");
  prompt.ShowModal();
  EXPECT_EQ(shown, "Sent Items and Sent Items again");
  EXPECT_EQ(prompt.Folder, nullptr);  // forgotten on answering
}

}  // namespace
}  // namespace kov

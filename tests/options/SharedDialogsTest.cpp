#include "options/SharedDialogs.h"

#include <gtest/gtest.h>

#include "options/frmRename.h"
#include "support/AddinSession.h"

namespace kov {
namespace {

constexpr const char* kRename = "Kovelin Organizer - Rename Tab";

class SharedDialogsTest : public testing::AddinSession {};

TEST_F(SharedDialogsTest, AskTabCaptionAnswers) {
  struct Case {
    const char* typed;  // nullptr: nothing typed
    const char* press;
    const char* result;
  };
  const Case cases[] = {
      {"  New name ", "OK", "  New name "},  // as typed, not trimmed
      {nullptr, "OK", "Old"},
      {"Other", "Cancel", ""},
      {"Other", "Esc", ""},
      {"Other", "Close", "Old"},  // the frame leaves the caption as passed in
  };
  for (const auto& c : cases) {
    if (c.typed) user_.Type(kRename, "txtNewCaption", c.typed);
    user_.Answer(kRename, c.press);
    EXPECT_EQ(AskTabCaption("Old"), c.result) << c.press;
  }
  EXPECT_FALSE(user_.Failure().has_value()) << *user_.Failure();
}

TEST_F(SharedDialogsTest, OkNeedsACaptionWithoutTheSeparator) {
  struct Case {
    const char* text;
    bool enabled;
  };
  const Case cases[] = {{"A", true}, {"   ", false}, {"", false}, {"A|B", false}, {" x ", true}};
  for (const auto& c : cases) {
    frmRename dialog;
    dialog.txtNewCaption.SetText(c.text);
    EXPECT_EQ(dialog.cmdOK.Enabled, c.enabled) << c.text;
  }
  user_.Type(kRename, "txtNewCaption", "A|B");
  user_.Answer(kRename, "OK");
  EXPECT_EQ(AskTabCaption("Old"), "Old");
  ASSERT_TRUE(user_.Failure().has_value());
  EXPECT_NE(user_.Failure()->find("disabled"), std::string::npos);
}

TEST_F(SharedDialogsTest, ConfirmationsAskWithTheirTextsAndHelpContexts) {
  user_.Answer("Kovelin Organizer - Delete Tab", "Help");
  user_.Answer("Kovelin Organizer - Delete Tab", "Yes");
  EXPECT_TRUE(ConfirmRemoveTab("C, B, A"));
  user_.Answer("Kovelin Organizer - Delete Tab", "No");
  EXPECT_FALSE(ConfirmRemoveTab("A"));
  user_.Answer("Kovelin Organizer - Merge Tabs", "Help");
  user_.Answer("Kovelin Organizer - Merge Tabs", "OK");
  EXPECT_TRUE(ConfirmMergeTabs());
  user_.Answer("Kovelin Organizer - Merge Tabs", "Cancel");
  EXPECT_FALSE(ConfirmMergeTabs());
  EXPECT_NE(
      transcript_.find("Kovelin Organizer - Delete Tab\n  Do you want to remove Tab \"C, B, A\"?\n"
                       "  [Yes] [No] [Help]"),
      std::string::npos);
  EXPECT_NE(
      transcript_.find("Kovelin Organizer will merge the selected Tabs into one Tab. Afterwards "
                       "you can rename this Tab\n  [OK] [Cancel] [Help]"),
      std::string::npos);
  const auto& calls = Os().HtmlHelp().Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].target, AddinFolder() + "/Kovelin.chm");
  EXPECT_EQ(calls[0].command, 0x0Fu);
  EXPECT_EQ(calls[0].data, "17");
  EXPECT_EQ(calls[1].data, "13");
  EXPECT_FALSE(user_.Failure().has_value());
}

}  // namespace
}  // namespace kov

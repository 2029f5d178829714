#include "platform/CHtmlHelp.h"

#include <gtest/gtest.h>

#include "base/ComError.h"
#include "platform/HelpTopics.h"
#include "support/TestSession.h"

namespace kov {
namespace {

using substitute::HtmlHelpCall;

class CHtmlHelpTest : public testing::TestSession {
 protected:
  CHtmlHelpTest() { testing::WriteBytes(helpFile_, "chm"); }

  std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const ComError& e) {
      EXPECT_EQ(e.Source(), "Kovelin.CHtmlHelp");
      return std::to_string(e.Number() - vbObjectError) + " " + e.Description();
    }
    return "";
  }

  const std::vector<HtmlHelpCall>& Calls() { return Os().HtmlHelp().Calls(); }

  std::string helpFile_ = AddinFolder() + "/Kovelin.chm";
  CHtmlHelp help_;
};

TEST_F(CHtmlHelpTest, StartsWithMainWindowAndNoFile) {
  EXPECT_EQ(help_.WindowName(), "Main");
  EXPECT_EQ(help_.FileName(), "");
  EXPECT_EQ(help_.CallerHWnd(), 0);
  EXPECT_EQ(ErrorOf([&] { help_.ShowTopic("x.htm"); }), "17641 Object not properly initialized");
  EXPECT_TRUE(Calls().empty());
}

TEST_F(CHtmlHelpTest, InitChecksFileThenWindow) {
  EXPECT_EQ(ErrorOf([&] { help_.Init("", "Main", 0); }), "17642 Invalid file name");
  EXPECT_EQ(ErrorOf([&] { help_.Init(AddinFolder() + "/none.chm", "Main", 0); }),
            "17643 File not found");
  EXPECT_EQ(help_.FileName(), "");

  const int32_t hwnd = Os().Windows().Create();
  Os().Windows().Destroy(hwnd);
  EXPECT_EQ(ErrorOf([&] { help_.Init(helpFile_, "Other", hwnd); }), "17644 Invalid window handle");
  EXPECT_EQ(help_.FileName(), helpFile_);  // set before the window was checked
  EXPECT_EQ(help_.WindowName(), "Main");

  const int32_t live = Os().Windows().Create();
  help_.Init(helpFile_, "Other", live);
  EXPECT_EQ(help_.CallerHWnd(), live);
  EXPECT_EQ(help_.WindowName(), "Other");
  help_.Init(helpFile_, "Main", 0);
  EXPECT_EQ(help_.CallerHWnd(), 0);
  EXPECT_EQ(Os().Files().OpenSearches(), 0u);
}

TEST_F(CHtmlHelpTest, PropertiesCheckWhatTheyAreGiven) {
  help_.SetFileName(helpFile_);
  EXPECT_EQ(ErrorOf([&] { help_.SetFileName(AddinFolder() + "/none.chm"); }),
            "17643 File not found");
  EXPECT_EQ(help_.FileName(), helpFile_);
  EXPECT_EQ(ErrorOf([&] { help_.SetCallerHWnd(424242); }), "17644 Invalid window handle");
  help_.SetCallerHWnd(-5);
  EXPECT_EQ(help_.CallerHWnd(), -5);
  help_.SetWindowName("");
  EXPECT_EQ(help_.WindowName(), "");
}

TEST_F(CHtmlHelpTest, ShowCallsAreRecordedWithOwnerTargetAndData) {
  const int32_t owner = Os().Windows().Create();
  help_.Init(helpFile_, "Main", owner);
  help_.ShowTopic("Working_with_Kovelin_Organizer\\General_Kovelin_Organizer_Options.htm");
  help_.ShowContents();
  help_.ShowIndex();
  help_.ShowSearch();
  help_.Shutdown();
  const std::string target = helpFile_ + ">Main";
  const std::vector<HtmlHelpCall> expected = {
      {0, owner, target, "Working_with_Kovelin_Organizer\\General_Kovelin_Organizer_Options.htm"},
      {1, owner, target, "0"},
      {2, owner, target, "0"},
      {3, owner, target,
       "search(size=32,unicode=0,query=\"\",proximity=0,stemmed=0,titleonly=0,execute=1,"
       "window=\"\")"},
      {18, 0, "", "0"},
  };
  EXPECT_EQ(Calls(), expected);
}

TEST_F(CHtmlHelpTest, DialogTopicsOpenWithoutOwnerFromTheAddinFolder) {
  help::ShowHelpTopic(help::kRenameTabs);
  help::ShowHelpTopic(help::WizardStepTopic(3));
  help::ShowHelpTopic("");
  const std::string file = AddinFolder() + "/Kovelin.chm";
  const std::vector<HtmlHelpCall> expected = {
      {0, 0, file,
       "Working_with_Kovelin_Organizer\\Kovelin_Organizer_Wizard\\How_to\\Rename_Tabs.htm"},
      {0, 0, file,
       "Working_with_Kovelin_Organizer\\Kovelin_Organizer_Wizard\\About_Kovelin_Organizer_"
       "Wizard\\Step_3_of_4.htm"},
      {0, 0, file, "0"},
  };
  EXPECT_EQ(Calls(), expected);
}

}  // namespace
}  // namespace kov

#include "model/CTab.h"

#include <gtest/gtest.h>

#include "base/ComError.h"
#include "support/AddinSession.h"

namespace kov {
namespace {

std::string Captions(const CTab& bar) {
  std::string text;
  for (const auto& tab : *bar.tabs) text += tab.TabCaption + "=" + tab.TabFilter + " ";
  return text;
}

CTab BarOf(std::initializer_list<const char*> captions) {
  CTab bar;
  for (const char* caption : captions) bar.AddNewTab({caption, std::string("f") + caption, ""});
  return bar;
}

TEST(CTab, ChangeTabPutsTheTabAtItsPosition) {
  struct Case {
    std::initializer_list<const char*> before;
    int16_t index;
    const char* after;
  };
  const Case cases[] = {
      {{"A"}, 1, "N=fN "},
      {{"A", "B", "C"}, 1, "N=fN B=fB C=fC "},
      {{"A", "B", "C"}, 2, "A=fA N=fN C=fC "},
      {{"A", "B", "C"}, 3, "A=fA B=fB N=fN "},
  };
  for (const auto& c : cases) {
    CTab bar = BarOf(c.before);
    bar.ChangeTab(c.index, {"N", "fN", ""});
    EXPECT_EQ(Captions(bar), c.after) << c.index;
  }
  CTab bar = BarOf({"A"});
  EXPECT_THROW(bar.ChangeTab(2, {"N", "fN", ""}), ComError);
  EXPECT_THROW(bar.ChangeTab(0, {"N", "fN", ""}), ComError);
}

TEST(CTab, StartsEmptyHiddenAndNotAViewsBar) {
  CTab bar;
  EXPECT_EQ(bar.Index, 0);
  EXPECT_EQ(bar.Enable(), 0);
  EXPECT_FALSE(bar.Views());
  EXPECT_EQ(bar.tabs->Count(), 0);
  bar = BarOf({"A", "B"});
  bar.RemoveTabs();
  EXPECT_EQ(bar.tabs->Count(), 0);
}

class CTabViewsTest : public testing::AddinSession {};

TEST_F(CTabViewsTest, LetViewsFillsOrEmptiesTheBar) {
  auto inbox = Folder("\\\\Mailbox\\Inbox");
  inbox->Views()->Item("Messages")->Copy("Last Seven Days", 0);
  CTab bar = BarOf({"A"});
  bar.LetViews(true, inbox);
  EXPECT_TRUE(bar.Views());
  EXPECT_EQ(Captions(bar), "Messages=Messages Unread=Unread Last Seven Days=Last Seven Days ");
  bar.LetViews(false, inbox);
  EXPECT_FALSE(bar.Views());
  EXPECT_EQ(bar.tabs->Count(), 0);
}

}  // namespace
}  // namespace kov

#include "tabbar/BrastowTabs.h"

#include <gtest/gtest.h>

#include "tabbar/TabBarSession.h"

namespace kov {
namespace {

class BrastowTabsTest : public TabBarSession {};

TEST_F(BrastowTabsTest, StripsShowTheBarsAndTheSavedSelection) {
  // Top: two tabs; Right: none; Bottom: hidden; Left: none.
  Open("100110100000", {{{"Anna", kFrom + "'%anna%'"}, {"Bruno", kFrom + "'%bruno%'"}}});
  ASSERT_TRUE(Tabs());
  EXPECT_EQ(Strip(0), "*All | Anna | Bruno");
  EXPECT_EQ(Strip(1), "*All");
  EXPECT_EQ(Strip(2), "hidden");
  EXPECT_EQ(Strip(3), "*All");
  EXPECT_EQ(Tabs()->Strip(0).Tabs().Item(2).ToolTipText, "Anna");
  // With SaveLastClick on, every click stores the selection in the bar's header.
  SetFolderValue(Folder("\\\\Mailbox\\Inbox")->EntryID(), "100110110000");
  outlook_->Quit();
  Open("100110110000", {{{"Anna", kFrom + "'%anna%'"}, {"Bruno", kFrom + "'%bruno%'"}}});
  Click(0, 3);
  EXPECT_EQ(GetMySettings(Folder("\\\\Mailbox\\Inbox"), 0)->Index, 3);
}

TEST_F(BrastowTabsTest, SavedIndexesOutOfRangeSelectTheFirstTab) {
  struct Case {
    const char* header;
    const char* strip;
  };
  const Case cases[] = {{"10", "*All | A | B"}, {"13", "All | A | *B"}, {"14", "*All | A | B"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.header);
    Prepare();
    StartWithoutPrompts();
    auto inbox = Folder("\\\\Mailbox\\Inbox");
    CTab bar;
    bar.AddNewTab({"A", kFrom + "'%anna%'", ""});
    bar.AddNewTab({"B", kFrom + "'%bruno%'", ""});
    bar.SetEnable(1);
    bar.Index = static_cast<int16_t>(c.header[1] - '0');
    SaveMySettings(inbox, bar, 0);
    SetFolderValue(inbox->EntryID(), "100100000000");
    Window()->SetCurrentFolder(inbox);
    EXPECT_EQ(Strip(0), c.strip);
    outlook_->Quit();
  }
}

TEST_F(BrastowTabsTest, SelectingTabsComposesTheFilter) {
  Open(
      "100100110000",
      {{{"Anna", kFrom + "'%anna%'"}, {"Read", "\"urn:schemas:httpmail:read\" = 1"}},
       {},
       {},
       {{"Contoso", "\"http://schemas.microsoft.com/mapi/proptag/0x0065001f\" LIKE '%contoso%'"}}});
  EXPECT_EQ(View()->Filter(), kFolderFilterGuard);  // every bar on "All"
  EXPECT_EQ(Items(), "m1 m2 m3 m4 m5 ");
  Click(0, 3);  // Read
  Click(3, 2);  // Contoso
  const std::string expected = std::string(kSubjectMarker) +
                               "(\"urn:schemas:httpmail:read\" = 1) AND " +
                               "(\"http://schemas.microsoft.com/mapi/proptag/0x0065001f\" LIKE "
                               "'%contoso%'))";
  EXPECT_EQ(View()->Filter(), expected);
  EXPECT_EQ(Items(), "");  // m1 and m4 are from Contoso but unread
  Click(0, 2);             // Anna instead: the tabs part is replaced, never stacked
  EXPECT_EQ(View()->Filter(), std::string(kSubjectMarker) + "(" + kFrom + "'%anna%') AND " +
                                  "(\"http://schemas.microsoft.com/mapi/proptag/0x0065001f\" LIKE "
                                  "'%contoso%'))");
  EXPECT_EQ(Items(), "m1 ");
  EXPECT_TRUE(Tabs()->PicAll(1).Visible);
  Tabs()->PicAll(1).PerformClick();  // show all
  EXPECT_EQ(View()->Filter(), kFolderFilterGuard);
  EXPECT_TRUE(Tabs()->PicAll(0).Visible);
  EXPECT_EQ(state_.SelectedTabs[3], 1);
}

TEST_F(BrastowTabsTest, AllTabsOnAllWriteTheGuardOnBothHosts) {
  for (const char* version : {"10.0", "11.0"}) {
    SCOPED_TRACE(version);
    Open("100100010000", {{{"Anna", kFrom + "'%anna%'"}}}, version);
    Click(0, 2);
    Click(0, 1);
    EXPECT_EQ(View()->Filter(), kFolderFilterGuard);
    EXPECT_EQ(Items(), "m1 m2 m3 m4 m5 ");
    outlook_->Quit();
  }
}

TEST_F(BrastowTabsTest, AnEmptyViewsBarShowsNoTab) {
  Open("111010000000", {});  // the Right bar shows views but has none stored
  EXPECT_EQ(Strip(1), "");
  EXPECT_EQ(View()->Filter(), kFolderFilterGuard);
}

TEST_F(BrastowTabsTest, AViewsOwnFilterStaysInFrontOfTheTabs) {
  Open("100100010000", {{{"Anna", kFrom + "'%anna%'"}}});
  Window()->SetCurrentView("Unread");
  loop_.FastForwardBy(200);  // the view switch re-applies the tabs
  View()->SetFilter("\"urn:schemas:httpmail:read\" = 0");
  Click(0, 2);
  EXPECT_EQ(View()->Filter(), "\"urn:schemas:httpmail:read\" = 0" + std::string(kAndMarker) + "(" +
                                  kFrom + "'%anna%'))");
  EXPECT_EQ(Items(), "m1 ");
  Click(0, 1);
  EXPECT_EQ(View()->Filter(), "\"urn:schemas:httpmail:read\" = 0");
}

TEST_F(BrastowTabsTest, TabsWithoutARealFilterAddNothingAndARejectedFilterKeepsTheOld) {
  Open("100100010000",
       {{{"Same", "Same"}, {"Empty", ""}, {"Bad", "\"urn:schemas:httpmail:bogus\" = 1"}}});
  Click(0, 2);
  EXPECT_EQ(View()->Filter(), kFolderFilterGuard);
  Click(0, 3);
  EXPECT_EQ(View()->Filter(), kFolderFilterGuard);
  Click(0, 4);
  EXPECT_EQ(View()->Filter(), kFolderFilterGuard);  // the control refused; the previous stays
}

TEST_F(BrastowTabsTest, CompletedTasksViewsGetTheClause) {
  Prepare();
  Data("\\\\Mailbox\\Tasks")
      .views.push_back({"Completed Tasks", outlook::MakeViewXml("Completed Tasks", 3, "")});
  outlook_->Start(true);
  SetFolderValue("AllFolders", "0");
  auto tasks = Folder("\\\\Mailbox\\Tasks");
  SetFolderValue(tasks->EntryID(), "100100010000");
  Window()->SetCurrentFolder(tasks);
  Window()->SetCurrentView("Completed Tasks");
  loop_.FastForwardBy(200);
  EXPECT_EQ(View()->Filter(), kCompletedTasksClause);
  EXPECT_EQ(Items(), "t1 t3 ");
}

TEST_F(BrastowTabsTest, TheViewsBarSwitchesViewsAndAddsNoTerm) {
  // Bar 1 (Right) shows the folder's views.
  OpenWithViewsBar(1, "111010010000");
  EXPECT_EQ(Strip(1), "*Messages | Unread");
  int switches = 0;
  Window()->ViewSwitch.Connect([&] { ++switches; });
  Click(1, 2);
  EXPECT_EQ(Window()->CurrentView(), "Unread");
  EXPECT_EQ(switches, 1);
  EXPECT_EQ(View()->Filter(), "\"urn:schemas:httpmail:read\" = 0");  // the view's own filter only
  loop_.FastForwardBy(200);
  EXPECT_EQ(switches, 1);
  // A switch made with the host's own menu selects the views bar's tab 100 ms later.
  Window()->SetCurrentView("Messages");
  EXPECT_EQ(Strip(1), "Messages | *Unread");
  loop_.FastForwardBy(150);
  EXPECT_EQ(Strip(1), "*Messages | Unread");
}

TEST_F(BrastowTabsTest, LayoutAroundTheView) {
  struct Case {
    const char* settings;
    const char* area;
  };
  // Only the Right strip: it anchors the buttons, one above the other at the top.
  Open("100010000000", {});
  auto tabs = Tabs();
  EXPECT_EQ(tabs->Strip(1).Top, 32);
  EXPECT_EQ(tabs->PicAll(0).Top, 0);
  EXPECT_EQ(tabs->PicMNU().Top, tabs->PicAll(0).Top + 16);
  EXPECT_EQ(tabs->PicMNU().Left, tabs->PicAll(0).Left);
  outlook_->Quit();
  // No visible strip: the buttons hide and the view takes the room less the margins.
  Open("100000000000", {});
  tabs = Tabs();
  tabs->Resize(5, 5);
  EXPECT_FALSE(tabs->PicAll(0).Visible);
  EXPECT_FALSE(tabs->PicAll(1).Visible);
  EXPECT_FALSE(tabs->PicMNU().Visible);
  EXPECT_EQ(tabs->ViewArea(), (std::array<int16_t, 4>{8, 4, -7, -11}));
  auto dv = Window()->Page()->GetElementById("DV")->Style();
  EXPECT_EQ(dv->Get("left"), "4px");
  EXPECT_EQ(dv->Get("top"), "0px");
  EXPECT_EQ(dv->Get("width"), "7px");  // negative sizes are raised to 0 before the margin
  EXPECT_EQ(dv->Get("height"), "7px");
  outlook_->Quit();
  // A Top strip that the view width leaves negative gets width 0.
  Open("100100000000", {});
  Tabs()->Resize(10, 300);
  EXPECT_EQ(Tabs()->Strip(0).Width, 0);
}

TEST_F(BrastowTabsTest, TheViewElementIsPlacedWithinItsBounds) {
  Open("100100000000", {});
  Tabs()->SetViewArea(2, 100, -5, 300);
  Tabs()->SetHTML();
  auto dv = Window()->Page()->GetElementById("DV")->Style();
  EXPECT_EQ(dv->Get("left"), "0px");
  EXPECT_EQ(dv->Get("top"), "96px");
  EXPECT_EQ(dv->Get("width"), "7px");
  EXPECT_EQ(dv->Get("height"), "307px");
}

TEST_F(BrastowTabsTest, ATwoRowBottomStripIsSizedThenLeftAlone) {
  std::vector<std::pair<std::string, std::string>> many;
  for (int i = 0; i < 8; ++i) many.push_back({"Tab number " + std::to_string(i), kFrom + "'%x%'"});
  Open("100001010010", {{}, {}, many});
  auto tabs = Tabs();
  tabs->Resize(400, 300);
  forms::TabStrip& bottom = tabs->Strip(2);
  EXPECT_EQ(bottom.Lines(), 2);
  // 2 rows: 55 px, then trimmed by the page area above 2 px; a second call changes nothing.
  EXPECT_EQ(bottom.Height, 55 - (55 - 44 - 4) + 2);
  EXPECT_FALSE(tabs->ResizeSideTabH(2));
}

}  // namespace
}  // namespace kov

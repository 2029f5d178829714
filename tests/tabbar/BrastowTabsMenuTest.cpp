#include <gtest/gtest.h>

#include "forms/Menu.h"
#include "tabbar/TabBarSession.h"

namespace kov {
namespace {

class BrastowTabsMenuTest : public TabBarSession {
 protected:
  // The visible items of the menu after a right click on a strip tab.
  std::string MenuAt(int position, int tab) {
    auto tabs = Tabs();
    auto& item = tabs->Strip(position).Tabs().Item(tab);
    tabs->StripMouseUp(static_cast<int16_t>(position), 2, (item.Left() + 1) * 15,
                       (item.Top() + 1) * 15);
    std::string text;
    tabs->MainMenu().Describe(text);
    return text;
  }
  void Pick(const std::string& caption) {
    forms::Menu* item = Tabs()->MainMenu().Find(caption);
    ASSERT_NE(item, nullptr) << caption;
    item->Pick();
  }
};

const char* const kAllMenu =
    "  Manage this Tab Bar...\n  Wizard to setup Tabs\u2026\n  ----\n  Folder Options...\n"
    "  Save current Tab selection [disabled]\n  ----\n  About Kovelin Organizer\n  Help\n";

TEST_F(BrastowTabsMenuTest, WhatTheMenuOffersDependsOnTheTab) {
  Open("100111010000", {{}, {{"Anna", kFrom + "'%anna%'"}}});
  EXPECT_EQ(MenuAt(1, 1), kAllMenu);  // "All" of a filter bar
  EXPECT_EQ(MenuAt(1, 2).substr(0, 52),
            "  Rename...\n  Change Filter criteria\u2026\n  Delete...\n");
  outlook_->Quit();
  // A views bar (Top, position 0): rename and delete for every tab, no filter editing, and the
  // view can be customized; with SaveLastClick off the selection can be saved.
  OpenWithViewsBar(0, "110100000000");
  const std::string menu = MenuAt(0, 1);
  EXPECT_NE(menu.find("  Rename...\n  Delete...\n  ----\n  Manage this Tab Bar...\n"),
            std::string::npos)
      << menu;
  EXPECT_EQ(menu.find("Change Filter"), std::string::npos);
  EXPECT_NE(menu.find("  Customize current view\n"), std::string::npos);
  EXPECT_NE(menu.find("  Save current Tab selection\n"), std::string::npos);
}

TEST_F(BrastowTabsMenuTest, RenameDeleteAndChangeFilterAreStoredInTheFolder) {
  Open("100100110000", {{{"Anna", kFrom + "'%anna%'"}, {"Bruno", kFrom + "'%bruno%'"}}});
  MenuAt(0, 2);
  user_.Type("Kovelin Organizer - Rename Tab", "txtNewCaption", "Anna B.");
  user_.Answer("Kovelin Organizer - Rename Tab", "OK");
  Pick("&Rename...");
  EXPECT_EQ(Strip(0), "All | *Anna B. | Bruno");
  EXPECT_EQ(GetMySettings(Folder("\\\\Mailbox\\Inbox"), 0)->tabs->Item(1).TabCaption, "Anna B.");

  // The filter is edited in the host's dialog on a temporary copy of the view.
  std::string shown;
  outlook_->World().customizeView = [&](const std::string& current) -> std::optional<std::string> {
    shown = current;
    return "\"urn:schemas:httpmail:read\" = 0";
  };
  MenuAt(0, 2);
  Pick("Change &Filter criteria\u2026");
  EXPECT_EQ(shown, kFrom + "'%anna%'");
  EXPECT_EQ(GetMySettings(Folder("\\\\Mailbox\\Inbox"), 0)->tabs->Item(1).TabFilter,
            "\"urn:schemas:httpmail:read\" = 0");
  EXPECT_EQ(Window()->CurrentView(), "Messages");
  EXPECT_THROW(Folder("\\\\Mailbox\\Inbox")->Views()->Item("TempViewKovelinOrganizer"), ComError);
  EXPECT_EQ(View()->Filter(), std::string(kSubjectMarker) + "(\"urn:schemas:httpmail:read\" = 0))");

  MenuAt(0, 3);
  user_.Answer("Kovelin Organizer - Delete Tab", "Yes");
  Pick("&Delete...");
  EXPECT_EQ(GetMySettings(Folder("\\\\Mailbox\\Inbox"), 0)->tabs->Count(), 1);
  EXPECT_EQ(Strip(0), "*All | Anna B.");
  EXPECT_FALSE(user_.Failure().has_value()) << *user_.Failure();
}

TEST_F(BrastowTabsMenuTest, ADragStartsAtAHundredTwips) {
  Open("100100010000", {});
  auto tabs = Tabs();
  for (const auto& [distance, starts] :
       std::vector<std::pair<double, bool>>{{99, false}, {100, true}}) {
    tabs->Strip(0).Drag(0);
    tabs->StripMouseMove(0, 0, 500, 500);  // the button is up: the point is remembered
    bool dragging = false;
    tabs->StripMouseMove(0, 1, 500 + distance, 500);
    dragging = tabs->Strip(0).Dragging();
    EXPECT_EQ(dragging, starts) << distance;
  }
}

TEST_F(BrastowTabsMenuTest, DroppingABarMovesItAndItsSettings) {
  Open("100101010100", {{{"Anna", kFrom + "'%anna%'"}}, {}, {{"Bruno", kFrom + "'%bruno%'"}}});
  auto tabs = Tabs();
  // Onto its own edge zone: nothing happens.
  tabs->StripMouseMove(0, 0, 0, 0);
  tabs->StripMouseMove(0, 1, 200, 0);
  tabs->ControlDragDrop("ssaTabs(0)", 300, 2);
  EXPECT_EQ(Strip(0), "*All | Anna");
  // Top near the left edge: Top and Left swap, and the common settings follow.
  tabs->StripMouseMove(0, 1, 400, 0);
  tabs->ControlDragDrop("ssaTabs(0)", 2, 300);
  EXPECT_EQ(Strip(0), "hidden");
  EXPECT_EQ(Strip(3), "*All | Anna");
  const std::string id = Folder("\\\\Mailbox\\Inbox")->EntryID();
  // Top's switch went to Left; the views bar index follows the moved position.
  EXPECT_EQ(FolderValue(id), "103001110100");
  // Onto another strip: Left and Bottom swap.
  tabs->StripMouseMove(3, 1, 600, 0);
  tabs->StripDragDrop(2);
  EXPECT_EQ(Strip(2), "*All | Anna");
  EXPECT_EQ(Strip(3), "*All | Bruno");
  // Something that is not a strip dropped on the control does nothing.
  tabs->ControlDragDrop("picAll(1)", 2, 300);
  EXPECT_EQ(Strip(3), "*All | Bruno");
}

TEST_F(BrastowTabsMenuTest, KeysShowAllAndOpenTheFolderMenu) {
  Open("100100010000", {{{"Anna", kFrom + "'%anna%'"}}});
  auto tabs = Tabs();
  Click(0, 2);
  tabs->ControlKeyUp(106, 0);  // without Alt: nothing
  EXPECT_EQ(Strip(0), "All | *Anna");
  tabs->ControlKeyUp(106, 4);
  EXPECT_EQ(Strip(0), "*All | Anna");
  tabs->ControlKeyUp(111, 4);
  std::string menu;
  tabs->MainMenu().Describe(menu);
  EXPECT_EQ(menu.find("Manage this Tab Bar"), std::string::npos);
  EXPECT_NE(transcript_.find("menu:"), std::string::npos);
}

}  // namespace
}  // namespace kov

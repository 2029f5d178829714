#include "forms/TabStrip.h"

#include <gtest/gtest.h>

#include "base/ComError.h"
#include "forms/Form.h"
#include "forms/TextWidth.h"

namespace kov::forms {
namespace {

std::string Positions(TabStrip& strip) {
  std::string out;
  for (int32_t i = 1; i <= strip.Tabs().Count(); ++i) {
    auto& tab = strip.Tabs().Item(i);
    out += std::to_string(static_cast<int>(tab.Left())) + "," +
           std::to_string(static_cast<int>(tab.Top())) + " ";
  }
  return out;
}

TEST(TextWidth, UsesTheTahomaTable) {
  EXPECT_EQ(TextWidth("All"), 6 + 2 + 2);
  EXPECT_EQ(TextWidth("&Save"), TextWidth("Save"));
  EXPECT_EQ(TextWidth("\u00C4"), 6);
  EXPECT_EQ(TextWidth(""), 0);
}

TEST(TabStrip, LaysTabsOutInRowsOrColumns) {
  // "All" is 10 px of text, so each tab is 22 px long; the strip has 100 px of room less 4.
  struct Case {
    TabPlacement placement;
    bool multiRow;
    int tabs;
    int32_t lines;
    const char* positions;
  };
  const Case cases[] = {
      {TabPlacement::Top, false, 3, 1, "2,2 24,2 46,2 "},
      {TabPlacement::Top, true, 3, 1, "2,2 24,2 46,2 "},
      {TabPlacement::Top, true, 5, 2, "2,2 24,2 46,2 68,2 2,24 "},
      {TabPlacement::Bottom, true, 5, 2, "2,76 24,76 46,76 68,76 2,54 "},
      {TabPlacement::Left, true, 5, 2, "2,2 2,24 2,46 2,68 24,2 "},
      {TabPlacement::Right, false, 2, 1, "76,2 76,24 "},
      // One row that does not fit keeps its tabs in line (the selected first one shows).
      {TabPlacement::Top, false, 5, 1, "2,2 24,2 46,2 68,2 90,2 "},
  };
  for (const auto& c : cases) {
    TabStrip strip(nullptr, "ssaTabs", c.placement);
    strip.Width = 100;
    strip.Height = 100;
    strip.MultiRow = c.multiRow;
    for (int i = 0; i < c.tabs; ++i) strip.Tabs().Add(i + 1, "", "All", 0);
    EXPECT_EQ(strip.Lines(), c.lines);
    EXPECT_EQ(Positions(strip), c.positions);
  }
}

TEST(TabStrip, PageAreaIsWhatTheTabsLeaveInContainerCoordinates) {
  struct Case {
    TabPlacement placement;
    double left, top, width, height;
  };
  const Case cases[] = {
      {TabPlacement::Top, 12, 66, 96, 52},  // two rows of 22 above the page
      {TabPlacement::Bottom, 12, 22, 96, 52},
      {TabPlacement::Left, 56, 22, 52, 96},
      {TabPlacement::Right, 12, 22, 52, 96},
  };
  for (const auto& c : cases) {
    TabStrip strip(nullptr, "s", c.placement);
    strip.Left = 10;
    strip.Top = 20;
    strip.Width = 100;
    strip.Height = 100;
    strip.MultiRow = true;
    for (int i = 0; i < 5; ++i) strip.Tabs().Add(i + 1, "", "All", 0);
    EXPECT_EQ(strip.ClientLeft(), c.left);
    EXPECT_EQ(strip.ClientTop(), c.top);
    EXPECT_EQ(strip.ClientWidth(), c.width);
    EXPECT_EQ(strip.ClientHeight(), c.height);
  }
}

TEST(TabStrip, AddRemoveSelectAndHitTest) {
  TabStrip strip(nullptr, "ssaTabs");
  strip.Width = 300;
  strip.Height = 28;
  int clicks = 0;
  strip.Click = [&] { ++clicks; };
  EXPECT_EQ(strip.SelectedItem(), nullptr);
  strip.Tabs().Add(1, "1", "All", 0);
  strip.Tabs().Add(5, "2", "Anna", 0);  // beyond the count: appended
  strip.Tabs().Add(2, "3", "Bruno", 0);
  EXPECT_EQ(strip.Tabs().Item(3).Caption, "Anna");
  EXPECT_EQ(strip.SelectedItem()->Index(), 1);
  EXPECT_EQ(clicks, 0);
  strip.Tabs().Item(3).SetSelected(true);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(strip.Tabs().Item(3).Selected());
  const auto& anna = strip.Tabs().Item(3);
  EXPECT_EQ(strip.HitTest(anna.Left() + 1, anna.Top() + 1), 3);
  EXPECT_EQ(strip.HitTest(299, 27), 0);
  strip.Tabs().Remove(2);
  EXPECT_EQ(strip.SelectedItem()->Caption, "Anna");
  EXPECT_EQ(strip.SelectedItem()->Index(), 2);
  EXPECT_THROW(strip.Tabs().Item(3), ComError);
  strip.Drag(1);
  EXPECT_TRUE(strip.Dragging());
  strip.Drag(2);
  EXPECT_FALSE(strip.Dragging());
  while (strip.Tabs().Count() > 0) strip.Tabs().Remove(strip.Tabs().Count());
  EXPECT_EQ(strip.SelectedItem(), nullptr);
}

TEST(TabStrip, ASingleRowScrollsToTheSelectedTab) {
  TabStrip strip(nullptr, "ssaTabs");
  strip.Width = 50;
  strip.Height = 28;
  for (int i = 0; i < 4; ++i) strip.Tabs().Add(i + 1, "", "All", 0);
  strip.Select(4);
  // The fourth tab (offset 66, 22 long) must end within 46 px of room: scrolled by 42.
  EXPECT_EQ(strip.Tabs().Item(4).Left(), 2 + 66 - 42);
  EXPECT_EQ(strip.Tabs().Item(1).Left(), 2 - 42);
}

}  // namespace
}  // namespace kov::forms

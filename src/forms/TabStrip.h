// The tab strip that stands in for the XTabCtrl strip: tabs laid out from their caption widths
// in rows (tabs on the Top or Bottom edge) or columns (Left or Right edge), wrapped onto several
// rows or columns when the multi-row switch is on and otherwise kept in one row that scrolls to
// the selected tab. Positions are pixels; the page area (the part of the strip not covered by
// tabs) is given in the coordinates of the strip's container, as the original control gives it.
// A tab that becomes selected from code raises Click, as a person's click does.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Control.h"

namespace kov::forms {

class TabStrip;

enum class TabPlacement { Top, Bottom, Left, Right };

class StripTab {
 public:
  std::string Key;
  std::string Caption;
  int32_t Image = 0;
  std::string ToolTipText;

  int32_t Index() const { return index_; }
  bool Selected() const;
  // Selecting a tab makes it the strip's selected tab and raises the strip's Click.
  void SetSelected(bool selected);
  // Position and size inside the strip (pixels).
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;

 private:
  friend class TabStrip;
  friend class StripTabs;
  TabStrip* strip_ = nullptr;
  int32_t index_ = 0;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class StripTabs {
 public:
  explicit StripTabs(TabStrip* strip) : strip_(strip) {}
  int32_t Count() const { return static_cast<int32_t>(tabs_.size()); }
  // 1-based; raises error 35600 outside 1..Count.
  StripTab& Item(int32_t index);
  // Inserts at a 1-based position; a position beyond the count appends.
  StripTab& Add(int32_t position, const std::string& key, const std::string& caption,
                int32_t image);
  void Remove(int32_t index);
  void Clear();

 private:
  friend class TabStrip;
  void Renumber();
  TabStrip* strip_;
  std::vector<std::unique_ptr<StripTab>> tabs_;
};

class TabStrip : public Control {
 public:
  static constexpr double kTabThickness = 22;  // a row's height, a column's width
  static constexpr double kTabPadding = 12;    // beside the caption, inside a tab

  TabStrip(Form* owner, std::string name, TabPlacement placement = TabPlacement::Top);

  TabPlacement Placement;
  // The multi-row switch (dispatch id 7).
  bool MultiRow = false;
  StripTabs& Tabs() { return tabs_; }
  const StripTabs& Tabs() const { return tabs_; }

  // The selected tab, or null when the strip has no tabs.
  StripTab* SelectedItem();
  void Select(int32_t index);

  // The page area (dispatch ids 2 to 5), in the container's coordinates.
  double ClientLeft();
  double ClientTop();
  double ClientWidth();
  double ClientHeight();
  // Rows (Top, Bottom) or columns (Left, Right) of tabs.
  int32_t Lines();

  // The tab at a point inside the strip, 0 for none.
  int32_t HitTest(double x, double y);
  // VB's Drag: 1 begins dragging the strip, 2 ends it (a drop), 0 cancels.
  void Drag(int32_t action);
  bool Dragging() const { return dragging_; }

  std::function<void()> Click;

  void Describe(std::string& out) const override;

 private:
  friend class StripTab;
  friend class StripTabs;
  void Layout();
  bool Vertical() const {
    return Placement == TabPlacement::Left || Placement == TabPlacement::Right;
  }

  StripTabs tabs_{this};
  int32_t selected_ = 0;
  int32_t lines_ = 0;
  bool dragging_ = false;
};

}  // namespace kov::forms

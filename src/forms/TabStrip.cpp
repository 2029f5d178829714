#include "forms/TabStrip.h"

#include <algorithm>
#include <cmath>

#include "base/ComError.h"
#include "forms/TextWidth.h"

namespace kov::forms {

bool StripTab::Selected() const { return strip_ != nullptr && strip_->selected_ == index_; }

void StripTab::SetSelected(bool selected) {
  if (selected && strip_ != nullptr) strip_->Select(index_);
}

double StripTab::Left() const {
  strip_->Layout();
  return left_;
}
double StripTab::Top() const {
  strip_->Layout();
  return top_;
}
double StripTab::Width() const {
  strip_->Layout();
  return width_;
}
double StripTab::Height() const {
  strip_->Layout();
  return height_;
}

StripTab& StripTabs::Item(int32_t index) {
  if (index < 1 || index > Count()) throw ComError(35600, "TabStrip", "Index out of bounds");
  return *tabs_[static_cast<size_t>(index - 1)];
}

StripTab& StripTabs::Add(int32_t position, const std::string& key, const std::string& caption,
                         int32_t image) {
  auto tab = std::make_unique<StripTab>();
  tab->Key = key;
  tab->Caption = caption;
  tab->Image = image;
  tab->strip_ = strip_;
  StripTab* added = tab.get();
  if (position < 1 || position > Count()) {
    tabs_.push_back(std::move(tab));
  } else {
    tabs_.insert(tabs_.begin() + (position - 1), std::move(tab));
  }
  Renumber();
  // The first tab of a strip is selected, as the control does, without a click.
  if (strip_->selected_ == 0) strip_->selected_ = 1;
  return *added;
}

void StripTabs::Remove(int32_t index) {
  Item(index);
  tabs_.erase(tabs_.begin() + (index - 1));
  Renumber();
  if (strip_->selected_ > Count())
    strip_->selected_ = Count();
  else if (strip_->selected_ > index)
    --strip_->selected_;
}

void StripTabs::Clear() {
  tabs_.clear();
  strip_->selected_ = 0;
}

void StripTabs::Renumber() {
  for (size_t i = 0; i < tabs_.size(); ++i) tabs_[i]->index_ = static_cast<int32_t>(i + 1);
}

TabStrip::TabStrip(Form* owner, std::string name, TabPlacement placement)
    : Control(owner, std::move(name)), Placement(placement) {}

StripTab* TabStrip::SelectedItem() { return selected_ == 0 ? nullptr : &tabs_.Item(selected_); }

void TabStrip::Select(int32_t index) {
  tabs_.Item(index);
  // Selecting the tab that is already selected changes nothing and raises nothing.
  if (index == selected_) return;
  selected_ = index;
  if (Click) Click();
}

void TabStrip::Layout() {
  // Along the edge: the strip's width for rows, its height for columns, less a 2 px margin at
  // each end.
  const double room = std::max(0.0, (Vertical() ? Height : Width) - 4);
  std::vector<double> lengths;
  for (const auto& tab : tabs_.tabs_) lengths.push_back(TextWidth(tab->Caption) + kTabPadding);
  // Line of each tab, and its offset along the line.
  std::vector<int32_t> line(lengths.size(), 0);
  std::vector<double> offset(lengths.size(), 0);
  int32_t current = 0;
  double at = 0;
  for (size_t i = 0; i < lengths.size(); ++i) {
    if (MultiRow && at > 0 && at + lengths[i] > room) {
      ++current;
      at = 0;
    }
    line[i] = current;
    offset[i] = at;
    at += lengths[i];
  }
  lines_ = lengths.empty() ? 0 : current + 1;
  // One row that does not fit scrolls so that the selected tab shows.
  double scroll = 0;
  if (!MultiRow && selected_ > 0) {
    const size_t s = static_cast<size_t>(selected_ - 1);
    if (offset[s] + lengths[s] > room) scroll = offset[s] + lengths[s] - room;
  }
  for (size_t i = 0; i < lengths.size(); ++i) {
    StripTab& tab = *tabs_.tabs_[i];
    const double along = 2 + offset[i] - scroll;
    const double across = kTabThickness * line[i];
    switch (Placement) {
      case TabPlacement::Top:
        tab.left_ = along;
        tab.top_ = 2 + across;
        break;
      case TabPlacement::Bottom:
        tab.left_ = along;
        tab.top_ = Height - 2 - kTabThickness - across;
        break;
      case TabPlacement::Left:
        tab.left_ = 2 + across;
        tab.top_ = along;
        break;
      case TabPlacement::Right:
        tab.left_ = Width - 2 - kTabThickness - across;
        tab.top_ = along;
        break;
    }
    tab.width_ = Vertical() ? kTabThickness : lengths[i];
    tab.height_ = Vertical() ? lengths[i] : kTabThickness;
  }
}

int32_t TabStrip::Lines() {
  Layout();
  return lines_;
}

double TabStrip::ClientLeft() {
  const double tabs = kTabThickness * Lines();
  return Left + (Placement == TabPlacement::Left ? tabs + 2 : 2);
}

double TabStrip::ClientTop() {
  const double tabs = kTabThickness * Lines();
  return Top + (Placement == TabPlacement::Top ? tabs + 2 : 2);
}

double TabStrip::ClientWidth() {
  const double tabs = Vertical() ? kTabThickness * Lines() : 0;
  return std::max(0.0, Width - tabs - 4);
}

double TabStrip::ClientHeight() {
  const double tabs = Vertical() ? 0 : kTabThickness * Lines();
  return std::max(0.0, Height - tabs - 4);
}

int32_t TabStrip::HitTest(double x, double y) {
  Layout();
  for (const auto& tab : tabs_.tabs_) {
    if (x >= tab->left_ && x < tab->left_ + tab->width_ && y >= tab->top_ &&
        y < tab->top_ + tab->height_) {
      return tab->index_;
    }
  }
  return 0;
}

void TabStrip::Drag(int32_t action) { dragging_ = action == 1; }

void TabStrip::Describe(std::string& out) const {
  out += "  " + Name() + ":";
  for (const auto& tab : tabs_.tabs_) {
    const std::string caption = WithoutAccelerator(tab->Caption);
    out += " " + (tab->index_ == selected_ ? "[" + caption + "]" : caption);
  }
  out += DisabledMark() + "\n";
}

}  // namespace kov::forms

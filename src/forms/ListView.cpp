#include "forms/ListView.h"

#include "base/ComError.h"
#include "forms/Form.h"

namespace kov::forms {

void ListView::Check(int32_t index) const {
  if (index < 1 || index > Count()) {
    throw ComError(35600, "ListView", "Index out of bounds");
  }
}

ListItem& ListView::Item(int32_t index) {
  Check(index);
  return items_[static_cast<size_t>(index - 1)];
}

const ListItem& ListView::Item(int32_t index) const {
  Check(index);
  return items_[static_cast<size_t>(index - 1)];
}

int32_t ListView::Add(int32_t index, const std::string& key, const std::string& text) {
  ListItem item;
  item.Key = key;
  item.Text = text;
  if (index <= 0 || index > Count()) {
    items_.push_back(std::move(item));
    return Count();
  }
  items_.insert(items_.begin() + (index - 1), std::move(item));
  if (selected_ >= index) ++selected_;
  return index;
}

void ListView::Remove(int32_t index) {
  Check(index);
  items_.erase(items_.begin() + (index - 1));
  if (selected_ == index) {
    selected_ = 0;
  } else if (selected_ > index) {
    --selected_;
  }
}

void ListView::Clear() {
  items_.clear();
  selected_ = 0;
}

void ListView::Select(int32_t index) {
  if (index != 0) Check(index);
  selected_ = index;
  if (index != 0 && ItemClick) ItemClick(index);
}

void ListView::SetChecked(int32_t index, bool checked) {
  ListItem& item = Item(index);
  if (item.Checked == checked) return;
  item.Checked = checked;
  if (ItemCheck) ItemCheck(index);
}

void ListView::PerformDblClick() {
  if (!Enabled || !Visible) throw FormError("\"" + Name() + "\" cannot be used: it is disabled");
  if (DblClick) DblClick();
}

void ListView::Describe(std::string& out) const {
  out += "  " + Name() + ":" + DisabledMark() + "\n";
  for (int32_t i = 1; i <= Count(); ++i) {
    const ListItem& item = items_[static_cast<size_t>(i - 1)];
    std::string line = i == selected_ ? "  > " : "    ";
    if (Checkboxes) line += item.Checked ? "[x] " : "[ ] ";
    line += OneLine(item.Text);
    for (const auto& sub : item.SubItems) line += " | " + OneLine(sub);
    out += line + "\n";
  }
}

}  // namespace kov::forms

// A report-view list with check boxes: rows with a text, sub-items, a check mark, a tag and a
// tooltip, one selected row. Checking a row or selecting one from code raises the same events as
// a person's click.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Variant.h"
#include "forms/Control.h"

namespace kov::forms {

struct ListItem {
  std::string Key;
  std::string Text;
  std::vector<std::string> SubItems;  // columns 2 and up
  bool Checked = false;
  Variant Tag;
  std::string ToolTipText;
};

class ListView : public Control {
 public:
  using Control::Control;

  bool Checkboxes = true;
  std::vector<std::string> ColumnHeaders;

  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  // 1-based; an index outside 1..Count raises error 35600 ("Index out of bounds").
  ListItem& Item(int32_t index);
  const ListItem& Item(int32_t index) const;
  // Inserts at a 1-based index (0 appends); returns the new row's index.
  int32_t Add(int32_t index, const std::string& key, const std::string& text);
  void Remove(int32_t index);
  void Clear();

  // 0 when no row is selected.
  int32_t SelectedIndex() const { return selected_; }
  // Selects a row (0 for none) and raises ItemClick for a row.
  void Select(int32_t index);
  // Sets a row's check mark and raises ItemCheck when it changes.
  void SetChecked(int32_t index, bool checked);
  // A person's double click on the selected row.
  void PerformDblClick();

  std::function<void(int32_t index)> ItemCheck;
  std::function<void(int32_t index)> ItemClick;
  std::function<void()> DblClick;

  void Describe(std::string& out) const override;

 private:
  void Check(int32_t index) const;

  std::vector<ListItem> items_;
  int32_t selected_ = 0;
};

}  // namespace kov::forms

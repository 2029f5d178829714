// CTab is one tab bar: its tabs in display order, the selected tab, whether it is shown and
// whether it shows the folder's views instead of filters.
#pragma once

#include <cstdint>
#include <memory>

#include "base/Collection.h"
#include "host/Folder.h"
#include "model/TabDescription.h"

namespace kov {

class CTab {
 public:
  using TabCollection = Collection<TabDescription>;

  // 1-based number of the selected tab; 0 until set (the store turns 0 into 1).
  int16_t Index = 0;
  // The tabs, positions 1..Count. Callers may replace the collection with another one.
  std::shared_ptr<TabCollection> tabs = std::make_shared<TabCollection>();

  int16_t Enable() const { return enable_; }
  void SetEnable(int16_t value) { enable_ = value; }
  bool Views() const { return views_; }
  void SetViews(bool value) { views_ = value; }

  // Appends a copy of the tab.
  void AddNewTab(const TabDescription& TabD);
  // Puts TabItem at 1-based position Index in place of the tab there; an Index outside the bar
  // raises the collection's error.
  void ChangeTab(int16_t Index, const TabDescription& TabItem);
  void RemoveTabs();
  // Empties the bar and, when vNewValue is true, fills it with one tab per view of the folder
  // (caption and filter both the view's name); then sets Views.
  void LetViews(bool vNewValue, const host::FolderPtr& Folder);

 private:
  int16_t enable_ = 0;
  bool views_ = false;
};

using CTabPtr = std::shared_ptr<CTab>;

}  // namespace kov

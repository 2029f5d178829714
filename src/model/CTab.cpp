#include "model/CTab.h"

namespace kov {

void CTab::AddNewTab(const TabDescription& TabD) { tabs->Add(TabD); }

void CTab::ChangeTab(int16_t Index, const TabDescription& TabItem) {
  tabs->Remove(Index);
  if (tabs->Count() < Index) {
    tabs->Add(TabItem);
  } else {
    tabs->Add(TabItem, "", Index);
  }
}

void CTab::RemoveTabs() {
  while (tabs->Count() > 0) tabs->Remove(1);
}

void CTab::LetViews(bool vNewValue, const host::FolderPtr& Folder) {
  RemoveTabs();
  if (vNewValue) {
    for (const auto& view : Folder->Views()->All()) {
      TabDescription tab;
      tab.TabCaption = view->Name();
      tab.TabFilter = view->Name();
      AddNewTab(tab);
    }
  }
  views_ = vNewValue;
}

}  // namespace kov

#include "outlook/StandInViewControl.h"

#include "base/ComError.h"
#include "base/Text.h"
#include "outlook/StandInFolder.h"

namespace kov::outlook {

FolderData* StandInViewControl::Folder() const {
  if (folder_ == nullptr) {
    throw ComError(static_cast<int32_t>(0x80004005), "Outlook View Control",
                   "The control shows no folder.");
  }
  return folder_;
}

host::FolderPtr StandInViewControl::ActiveFolder() const {
  return std::make_shared<StandInFolder>(world_, Folder());
}

std::string StandInViewControl::View() const { return Folder()->currentView; }

void StandInViewControl::SetFilter(const std::string& filter) {
  DaslFilter compiled;
  try {
    compiled = DaslFilter::Compile(filter);
  } catch (const DaslError& e) {
    throw ComError(static_cast<int32_t>(0x80020009), "Outlook View Control",
                   std::string("The filter is not valid: ") + e.what());
  }
  filter_ = std::move(compiled);
  filterText_ = filter;
}

void StandInViewControl::CustomizeView() {
  if (!world_->customizeView) return;
  if (auto edited = world_->customizeView(filterText_)) SetFilter(*edited);
}

std::vector<host::ItemPtr> StandInViewControl::VisibleItems() const {
  FolderData* folder = Folder();
  DaslFilter viewFilter;
  const DaslFilter* active = &filter_;
  if (filterText_.empty()) {
    for (const auto& view : folder->views) {
      if (view.name == folder->currentView)
        viewFilter = DaslFilter::Compile(ViewFilterOf(view.xml));
    }
    active = &viewFilter;
  }
  std::vector<host::ItemPtr> items;
  for (const auto& item : folder->items) {
    if (active->Matches(*item, folder->itemType)) {
      items.push_back(std::make_shared<StandInItem>(item, folder->itemType));
    }
  }
  return items;
}

}  // namespace kov::outlook

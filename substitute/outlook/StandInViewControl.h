// The view control of a home page: it shows its explorer's folder and view through a DASL
// filter. Writing Filter compiles the text; a text the engine rejects raises and leaves the
// filter in force.
#pragma once

#include <memory>
#include <string>

#include "host/ViewControl.h"
#include "outlook/DaslFilter.h"
#include "outlook/StandInWorld.h"

namespace kov::outlook {

inline constexpr const char* kViewControlProgId = "OVCtl.OVCtl";

class StandInViewControl : public host::ViewControl {
 public:
  explicit StandInViewControl(WorldPtr world) : world_(std::move(world)) {}

  // The page's host shows the control in a window: the folder it shows.
  void Bind(FolderData* folder) { folder_ = folder; }

  host::FolderPtr ActiveFolder() const override;
  std::string View() const override;
  std::string Filter() const override { return filterText_; }
  void SetFilter(const std::string& filter) override;
  void CustomizeView() override;
  std::vector<host::ItemPtr> VisibleItems() const override;

 private:
  FolderData* Folder() const;

  WorldPtr world_;
  FolderData* folder_ = nullptr;
  std::string filterText_;
  DaslFilter filter_;
};

}  // namespace kov::outlook

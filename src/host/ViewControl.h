// The view control a home page hosts (element "ViewCtlFolder"): the folder and view it shows and
// the filter in force.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/Folder.h"

namespace kov::host {

class ViewControl : public ComObject {
 public:
  virtual FolderPtr ActiveFolder() const = 0;
  virtual std::string View() const = 0;
  // The filter in force ("" for none).
  virtual std::string Filter() const = 0;
  // Applies a DASL filter ("" removes it). A text the control rejects raises and leaves the
  // filter in force unchanged.
  virtual void SetFilter(const std::string& filter) = 0;
  // The host's modal dialog for the current view; the user may change the filter in it.
  virtual void CustomizeView() = 0;
  // The items the control shows: the folder's items that the filter (or, with none, the view's
  // own filter) lets through.
  virtual std::vector<ItemPtr> VisibleItems() const = 0;
};

}  // namespace kov::host

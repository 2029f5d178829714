// A folder's views: each has a name and an XML document whose "filter" element holds the view's
// own DASL filter.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/ComObject.h"

namespace kov::host {

// Save options of View.Copy.
inline constexpr int32_t olViewSaveOptionThisFolderEveryone = 0;
inline constexpr int32_t olViewSaveOptionThisFolderOnlyMe = 1;
inline constexpr int32_t olViewSaveOptionAllFoldersOfType = 2;

class View : public ComObject {
 public:
  virtual std::string Name() const = 0;
  virtual std::string XML() const = 0;
  // Replaces the view's document; raises for a text that is not a view document. Takes effect
  // in the folder when the view is saved.
  virtual void SetXML(const std::string& xml) = 0;
  // A new view of the folder with this view's document; raises when the name is taken.
  virtual std::shared_ptr<View> Copy(const std::string& name, int32_t saveOption) = 0;
  virtual void Save() = 0;
  virtual void Delete() = 0;
};

using ViewPtr = std::shared_ptr<View>;

class Views : public ComObject {
 public:
  virtual int32_t Count() const = 0;
  // By 1-based index; raises outside 1..Count.
  virtual ViewPtr Item(int32_t index) const = 0;
  // By name (letter case ignored); raises when there is no such view.
  virtual ViewPtr Item(const std::string& name) const = 0;
  virtual std::vector<ViewPtr> All() const = 0;
};

}  // namespace kov::host

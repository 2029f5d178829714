// What an explorer wrapper needs of the tab-bar control of its page (eToolBar).
#pragma once

#include <string>

namespace kov {

class ExplorerTabBar {
 public:
  virtual ~ExplorerTabBar() = default;
  // The explorer switched to another view of the folder.
  virtual void SetView(const std::string& viewName) = 0;
};

}  // namespace kov

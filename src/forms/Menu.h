// A menu item with its sub-items, as a form's menu or a pop-up menu. A person picks items through
// the modal driver's pop-up handling; code raises Click like a pick.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kov::forms {

class Menu {
 public:
  explicit Menu(std::string name, std::string caption = "")
      : Caption(std::move(caption)), name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  std::string Caption;
  std::string Tag;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  std::function<void()> Click;

  Menu& AddItem(std::string name, std::string caption);
  const std::vector<std::unique_ptr<Menu>>& Items() const { return items_; }
  // A visible item by caption (with or without "&") or name, searched through sub-menus.
  Menu* Find(const std::string& captionOrName);
  // A person picks the item: refused (FormError) when it is hidden or disabled.
  void Pick();
  // The visible items, one a line, indented by depth; "-" captions are separators.
  void Describe(std::string& out, int depth = 0) const;

 private:
  std::string name_;
  std::vector<std::unique_ptr<Menu>> items_;
};

}  // namespace kov::forms

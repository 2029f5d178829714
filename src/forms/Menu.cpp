#include "forms/Menu.h"

#include "base/Text.h"
#include "forms/Control.h"
#include "forms/Form.h"

namespace kov::forms {

Menu& Menu::AddItem(std::string name, std::string caption) {
  items_.push_back(std::make_unique<Menu>(std::move(name), std::move(caption)));
  return *items_.back();
}

Menu* Menu::Find(const std::string& captionOrName) {
  for (const auto& item : items_) {
    if (!item->Visible) continue;
    if (item->name_ == captionOrName || TextEquals(item->Caption, captionOrName) ||
        TextEquals(WithoutAccelerator(item->Caption), WithoutAccelerator(captionOrName))) {
      return item.get();
    }
    if (Menu* inner = item->Find(captionOrName)) return inner;
  }
  return nullptr;
}

void Menu::Pick() {
  if (!Visible || !Enabled) {
    throw FormError("menu item \"" + WithoutAccelerator(Caption) + "\" cannot be picked");
  }
  if (Click) Click();
}

void Menu::Describe(std::string& out, int depth) const {
  for (const auto& item : items_) {
    if (!item->Visible) continue;
    out += std::string(static_cast<size_t>(depth + 1) * 2, ' ');
    if (item->Caption == "-") {
      out += "----\n";
      continue;
    }
    out += WithoutAccelerator(item->Caption);
    if (item->Checked) out += " [checked]";
    if (!item->Enabled) out += " [disabled]";
    out += "\n";
    item->Describe(out, depth + 1);
  }
}

}  // namespace kov::forms

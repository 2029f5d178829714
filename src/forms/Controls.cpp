#include "forms/Controls.h"

#include <algorithm>

#include "forms/Form.h"

namespace kov::forms {
namespace {

void RequireUsable(const Control& control) {
  if (!control.Enabled || !control.Visible) {
    throw FormError("\"" +
                    WithoutAccelerator(control.Caption.empty() ? control.Name() : control.Caption) +
                    "\" cannot be used: it is " + (control.Visible ? "disabled" : "hidden"));
  }
}

}  // namespace

void Label::Describe(std::string& out) const { out += "  " + OneLine(Caption) + "\n"; }

void Button::SetValue(bool value) {
  if (value && Click) Click();
}

void Button::PerformClick() {
  RequireUsable(*this);
  if (Click) Click();
}

void Button::Describe(std::string& out) const {
  out += "  [" + WithoutAccelerator(Caption) + "]";
  if (Default) out += " (default)";
  if (Cancel) out += " (cancel)";
  out += DisabledMark() + "\n";
}

void CheckBox::SetValue(int16_t value) {
  if (value == value_) return;
  value_ = value;
  if (Click) Click();
}

void CheckBox::PerformClick() {
  RequireUsable(*this);
  SetValue(value_ == 1 ? 0 : 1);
}

void CheckBox::Describe(std::string& out) const {
  out += std::string("  [") + (value_ == 1 ? "x" : (value_ == 2 ? "-" : " ")) + "] " +
         OneLine(WithoutAccelerator(Caption)) + DisabledMark() + "\n";
}

void OptionButton::SetValue(bool value) {
  if (value) {
    for (Control* control : Owner()->Controls()) {
      auto* other = dynamic_cast<OptionButton*>(control);
      if (other != nullptr && other != this && other->group_ == group_) other->value_ = false;
    }
  }
  const bool changed = value != value_;
  value_ = value;
  if (value && changed && Click) Click();
}

void OptionButton::PerformClick() {
  RequireUsable(*this);
  SetValue(true);
}

void OptionButton::Describe(std::string& out) const {
  out += std::string("  (") + (value_ ? "o" : " ") + ") " + OneLine(WithoutAccelerator(Caption)) +
         DisabledMark() + "\n";
}

void TextBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (Change) Change();
}

void TextBox::Type(const std::string& text) {
  RequireUsable(*this);
  SetText(text);
}

void TextBox::Describe(std::string& out) const {
  out += "  " + Name() + ": \"" + OneLine(text_) + "\"" + DisabledMark() + "\n";
}

void ListBox::Clear() {
  items_.clear();
  listIndex_ = -1;
}

void ListBox::SetListIndex(int32_t index) {
  if (index == listIndex_) return;
  listIndex_ = index;
  if (Click) Click();
}

void ListBox::Describe(std::string& out) const {
  out += "  " + Name() + ":" + DisabledMark() + "\n";
  for (size_t i = 0; i < items_.size(); ++i) {
    out += std::string(static_cast<int32_t>(i) == listIndex_ ? "  > " : "    ") +
           OneLine(items_[i]) + "\n";
  }
}

void Frame::Describe(std::string& out) const {
  if (!Caption.empty()) out += "  -- " + OneLine(Caption) + " --\n";
}

void PictureBox::PerformClick() {
  RequireUsable(*this);
  if (Click) Click();
}

void PictureBox::Describe(std::string& out) const {
  if (!Picture.empty()) out += "  <" + Picture + ">" + DisabledMark() + "\n";
}

void ProgressBar::Describe(std::string& out) const {
  out += "  " + Name() + ": " + std::to_string(Value) + " of " + std::to_string(Min) + ".." +
         std::to_string(Max) + "\n";
}

void UpDown::SetValue(int32_t value) {
  value = std::clamp(value, Min, Max);
  if (value == value_) return;
  value_ = value;
  if (Change) Change();
}

void UpDown::Describe(std::string& out) const {
  out += "  " + Name() + ": " + std::to_string(value_) + DisabledMark() + "\n";
}

}  // namespace kov::forms

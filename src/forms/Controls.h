// The simple controls: labels, buttons, check boxes, option buttons, text boxes, list boxes,
// frames, picture boxes, progress bars and up-down controls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/Control.h"

namespace kov::forms {

class Label : public Control {
 public:
  using Control::Control;
  void Describe(std::string& out) const override;
};

class Button : public Control {
 public:
  using Control::Control;
  // Enter clicks the default button, Esc the cancel button.
  bool Default = false;
  bool Cancel = false;
  std::function<void()> Click;

  // VB's Value = True: raises Click from code, whatever the button's state.
  void SetValue(bool value);
  // A person's click: refused (FormError) on a disabled or hidden button.
  void PerformClick();
  void Describe(std::string& out) const override;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  // 0 unchecked, 1 checked, 2 grayed.
  int16_t Value() const { return value_; }
  // Raises Click when the value changes.
  void SetValue(int16_t value);
  // A person's click toggles between 0 and 1 (refused when disabled).
  void PerformClick();
  std::function<void()> Click;
  void Describe(std::string& out) const override;

 private:
  int16_t value_ = 0;
};

class OptionButton : public Control {
 public:
  // Option buttons of one group exclude each other.
  OptionButton(Form* owner, std::string name, int group = 0)
      : Control(owner, std::move(name)), group_(group) {}
  bool Value() const { return value_; }
  // Setting True clears the others of the group and raises Click.
  void SetValue(bool value);
  void PerformClick();
  std::function<void()> Click;
  int Group() const { return group_; }
  void Describe(std::string& out) const override;

 private:
  bool value_ = false;
  int group_;
};

class TextBox : public Control {
 public:
  using Control::Control;
  const std::string& Text() const { return text_; }
  // Raises Change when the text changes.
  void SetText(const std::string& text);
  // A person types: replaces the text (refused when disabled).
  void Type(const std::string& text);
  std::function<void()> Change;
  void Describe(std::string& out) const override;

 private:
  std::string text_;
};

class ListBox : public Control {
 public:
  using Control::Control;
  void AddItem(const std::string& item) { items_.push_back(item); }
  void Clear();
  int32_t ListCount() const { return static_cast<int32_t>(items_.size()); }
  // 0-based, as VB's List().
  const std::string& List(int32_t index) const { return items_.at(static_cast<size_t>(index)); }
  // -1 when nothing is selected.
  int32_t ListIndex() const { return listIndex_; }
  // Raises Click when the selection changes.
  void SetListIndex(int32_t index);
  std::function<void()> Click;
  void Describe(std::string& out) const override;

 private:
  std::vector<std::string> items_;
  int32_t listIndex_ = -1;
};

class Frame : public Control {
 public:
  using Control::Control;
  void Describe(std::string& out) const override;
};

class PictureBox : public Control {
 public:
  using Control::Control;
  std::string Picture;
  int32_t BackColor = 0xFFFFFF;
  std::function<void()> Click;
  void PerformClick();
  void Describe(std::string& out) const override;
};

class ProgressBar : public Control {
 public:
  using Control::Control;
  int32_t Min = 0;
  int32_t Max = 100;
  int32_t Value = 0;
  void Describe(std::string& out) const override;
};

class UpDown : public Control {
 public:
  using Control::Control;
  int32_t Min = 0;
  int32_t Max = 10;
  int32_t Value() const { return value_; }
  // Raises Change when the value changes; values are kept within Min..Max.
  void SetValue(int32_t value);
  std::function<void()> Change;
  void Describe(std::string& out) const override;

 private:
  int32_t value_ = 0;
};

}  // namespace kov::forms

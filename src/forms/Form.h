// A modal dialog. Its controls register with it as they are constructed; ShowModal loads it,
// takes a window handle for it, hands it to the current ModalDriver (the person, or a script
// playing one) and returns once a handler has unloaded it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kov::forms {

class Control;
class Button;

// A person's action that the form cannot take (a disabled button, an unknown control), or a
// driver that left a form open.
class FormError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Form {
 public:
  explicit Form(std::string caption);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  std::string Caption;

  // Loads the form, shows it and returns when it was unloaded.
  void ShowModal();
  // Closes the form (from its own handlers).
  void Unload();
  // The person closes the window by its frame.
  void CloseByFrame();
  // Keyboard: Enter clicks the default button, Esc the cancel button.
  void PressEnter();
  void PressEscape();

  bool IsShown() const { return shown_; }
  int32_t hWnd() const { return hwnd_; }

  // The caption, then each visible control as a person sees it.
  std::string Describe() const;
  const std::vector<Control*>& Controls() const { return controls_; }
  // A control by name, or by caption with or without its "&"; null when there is none.
  Control* FindControl(const std::string& nameOrCaption) const;
  // A visible button by its caption (with or without "&"); null when there is none.
  Button* FindButton(const std::string& caption) const;

 protected:
  virtual void Form_Load() {}
  // Runs when the window is closed by its frame, before it closes.
  virtual void Form_QueryUnload() {}

 private:
  friend class Control;
  void Register(Control* control) { controls_.push_back(control); }

  std::vector<Control*> controls_;
  bool shown_ = false;
  int32_t hwnd_ = 0;
};

}  // namespace kov::forms

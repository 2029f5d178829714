// The base of the headless controls dialogs are built from. A control belongs to one form,
// which keeps its controls in creation order for printing and for a driver to find them. Every
// control has a caption, a tooltip, an enable and a visible switch and a position in pixels;
// controls that hold a value raise the same event when code sets the value as when a person
// changes it, as VB controls do.
#pragma once

#include <string>

namespace kov::forms {

class Form;

class Control {
 public:
  Control(Form* owner, std::string name);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Form* Owner() const { return owner_; }

  std::string Caption;
  std::string ToolTipText;
  bool Enabled = true;
  bool Visible = true;
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;

  // Appends what a person sees of the control, one or more lines each starting with two blanks.
  // Called only for visible controls.
  virtual void Describe(std::string& out) const;

 protected:
  // " [disabled]" for a disabled control, "" otherwise.
  std::string DisabledMark() const { return Enabled ? "" : " [disabled]"; }

 private:
  Form* owner_;
  std::string name_;
};

// Control texts in one line: CR and LF written as \r and \n.
std::string OneLine(const std::string& text);
// A caption without its accelerator marks ("&Save" -> "Save"; "&&" stays one "&").
std::string WithoutAccelerator(const std::string& caption);

}  // namespace kov::forms

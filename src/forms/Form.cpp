#include "forms/Form.h"

#include "base/Text.h"
#include "forms/Controls.h"
#include "forms/ModalDriver.h"
#include "os/OsServices.h"

namespace kov::forms {

Form::Form(std::string caption) : Caption(std::move(caption)) {}

Form::~Form() {
  if (hwnd_ != 0) {
    try {
      os::Os().windows->DestroyHandle(hwnd_);
    } catch (...) {
      // No window services left: nothing to give back.
    }
  }
}

void Form::ShowModal() {
  Form_Load();
  hwnd_ = os::Os().windows->CreateHandle();
  shown_ = true;
  struct Release {
    Form& form;
    ~Release() {
      form.shown_ = false;
      os::Os().windows->DestroyHandle(form.hwnd_);
      form.hwnd_ = 0;
    }
  } release{*this};
  CurrentModalDriver().ShowModal(*this);
  if (shown_) throw FormError("\"" + Caption + "\" was left open");
}

void Form::Unload() { shown_ = false; }

void Form::CloseByFrame() {
  Form_QueryUnload();
  Unload();
}

void Form::PressEnter() {
  for (Control* control : controls_) {
    auto* button = dynamic_cast<Button*>(control);
    if (button != nullptr && button->Default) return button->PerformClick();
  }
  throw FormError("\"" + Caption + "\" has no default button");
}

void Form::PressEscape() {
  for (Control* control : controls_) {
    auto* button = dynamic_cast<Button*>(control);
    if (button != nullptr && button->Cancel) return button->PerformClick();
  }
  throw FormError("\"" + Caption + "\" has no cancel button");
}

std::string Form::Describe() const {
  std::string out = Caption + "\n";
  for (const Control* control : controls_) {
    if (control->Visible) control->Describe(out);
  }
  return out;
}

Control* Form::FindControl(const std::string& nameOrCaption) const {
  for (Control* control : controls_) {
    if (control->Name() == nameOrCaption) return control;
  }
  for (Control* control : controls_) {
    if (!control->Caption.empty() &&
        (TextEquals(control->Caption, nameOrCaption) ||
         TextEquals(WithoutAccelerator(control->Caption), WithoutAccelerator(nameOrCaption)))) {
      return control;
    }
  }
  return nullptr;
}

Button* Form::FindButton(const std::string& caption) const {
  for (Control* control : controls_) {
    auto* button = dynamic_cast<Button*>(control);
    if (button != nullptr && button->Visible &&
        TextEquals(WithoutAccelerator(button->Caption), WithoutAccelerator(caption))) {
      return button;
    }
  }
  return nullptr;
}

}  // namespace kov::forms

#include "forms/Control.h"

#include "forms/Form.h"

namespace kov::forms {

Control::Control(Form* owner, std::string name) : owner_(owner), name_(std::move(name)) {
  if (owner_ != nullptr) owner_->Register(this);
}

void Control::Describe(std::string& out) const {
  out += "  " + OneLine(Caption) + DisabledMark() + "\n";
}

std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string WithoutAccelerator(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}

}  // namespace kov::forms

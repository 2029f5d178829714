#include "forms/ModalDriver.h"

#include <stdexcept>

#include "base/Text.h"
#include "forms/Control.h"

namespace kov::forms {
namespace {

ModalDriver*& Current() {
  static ModalDriver* current = nullptr;
  return current;
}

}  // namespace

std::vector<std::string> MessageBoxRequest::Buttons() const {
  std::vector<std::string> buttons;
  switch (style & 7) {
    case vbOKCancel:
      buttons = {"OK", "Cancel"};
      break;
    case vbAbortRetryIgnore:
      buttons = {"Abort", "Retry", "Ignore"};
      break;
    case vbYesNoCancel:
      buttons = {"Yes", "No", "Cancel"};
      break;
    case vbYesNo:
      buttons = {"Yes", "No"};
      break;
    case vbRetryCancel:
      buttons = {"Retry", "Cancel"};
      break;
    default:
      buttons = {"OK"};
      break;
  }
  if ((style & vbMsgBoxHelpButton) != 0) buttons.push_back("Help");
  return buttons;
}

int32_t MessageBoxRequest::AnswerOf(const std::string& caption) {
  static const std::pair<const char*, int32_t> kAnswers[] = {
      {"OK", vbOK},         {"Cancel", vbCancel}, {"Abort", vbAbort}, {"Retry", vbRetry},
      {"Ignore", vbIgnore}, {"Yes", vbYes},       {"No", vbNo}};
  for (const auto& [name, answer] : kAnswers) {
    if (TextEquals(name, caption)) return answer;
  }
  return 0;
}

std::string MessageBoxRequest::Describe() const {
  std::string out = title + "\n  " + OneLine(text) + "\n ";
  for (const auto& button : Buttons()) out += " [" + button + "]";
  return out + "\n";
}

ModalDriver& CurrentModalDriver() {
  ModalDriver* driver = Current();
  if (driver == nullptr) throw std::logic_error("no modal driver is installed");
  return *driver;
}

void InstallModalDriver(ModalDriver* driver) { Current() = driver; }

ScopedModalDriver::ScopedModalDriver(ModalDriver& driver) : previous_(Current()) {
  Current() = &driver;
}

ScopedModalDriver::~ScopedModalDriver() { Current() = previous_; }

int32_t MsgBox(const std::string& text, int32_t style, const std::string& title,
               const std::string& helpFile, int32_t helpContext) {
  MessageBoxRequest request{text, title, style, helpFile, helpContext};
  return CurrentModalDriver().MessageBox(request);
}

}  // namespace kov::forms

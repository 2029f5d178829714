#include "user/ScriptedUser.h"

#include "base/Text.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/ListView.h"
#include "forms/Menu.h"
#include "os/OsServices.h"

namespace kov::substitute {

using namespace kov::forms;

namespace {

// HTML Help's command for a help context, as a message box's Help button sends it.
constexpr uint32_t kHhHelpContext = 0x0F;

}  // namespace

void ScriptedUser::Type(const std::string& title, const std::string& control,
                        const std::string& text) {
  Entry* entry = nullptr;
  for (auto& queued : queue_) {
    if (!queued.complete && queued.title == title) entry = &queued;
  }
  if (entry == nullptr) entry = &queue_.emplace_back(Entry{title, {}, false});
  entry->actions.push_back({Action::TypeText, control, text});
}

void ScriptedUser::Answer(const std::string& title, const std::string& button) {
  Entry* entry = nullptr;
  for (auto& queued : queue_) {
    if (!queued.complete && queued.title == title) entry = &queued;
  }
  if (entry == nullptr) entry = &queue_.emplace_back(Entry{title, {}, false});
  entry->actions.push_back({Action::Press, "", button});
  entry->complete = true;
}

std::optional<ScriptedUser::Entry> ScriptedUser::Take(const std::string& title) {
  for (auto it = queue_.begin(); it != queue_.end(); ++it) {
    if (it->title == title && it->complete) {
      Entry entry = *it;
      queue_.erase(it);
      return entry;
    }
  }
  return std::nullopt;
}

void ScriptedUser::Fail(const std::string& what) {
  if (!failure_) failure_ = what;
  Say("! " + what);
}

void ScriptedUser::Say(const std::string& text) {
  if (Transcript) Transcript(text);
}

std::vector<std::string> ScriptedUser::Unused() const {
  std::vector<std::string> titles;
  for (const auto& entry : queue_) titles.push_back(entry.title);
  return titles;
}

void ScriptedUser::Perform(Form& form, const Action& action) {
  if (action.kind == Action::Press) {
    const std::string& button = action.text;
    if (TextEquals(button, "Esc")) return form.PressEscape();
    if (TextEquals(button, "Enter")) return form.PressEnter();
    if (TextEquals(button, "Close")) return form.CloseByFrame();
    Button* target = form.FindButton(button);
    if (target == nullptr)
      throw FormError("\"" + form.Caption + "\" has no button \"" + button + "\"");
    return target->PerformClick();
  }
  Control* control = form.FindControl(action.control);
  if (control == nullptr) {
    throw FormError("\"" + form.Caption + "\" has no control \"" + action.control + "\"");
  }
  if (auto* text = dynamic_cast<TextBox*>(control)) return text->Type(action.text);
  if (auto* check = dynamic_cast<CheckBox*>(control)) {
    if (check->Value() != Val(action.text)) check->PerformClick();
    return;
  }
  if (auto* option = dynamic_cast<OptionButton*>(control)) return option->PerformClick();
  if (auto* list = dynamic_cast<ListBox*>(control)) {
    for (int32_t i = 0; i < list->ListCount(); ++i) {
      if (list->List(i) == action.text) return list->SetListIndex(i);
    }
    throw FormError("\"" + action.control + "\" has no entry \"" + action.text + "\"");
  }
  throw FormError("\"" + action.control + "\" cannot be typed into");
}

void ScriptedUser::ShowModal(Form& form) {
  Say(form.Describe());
  while (form.IsShown()) {
    std::optional<Entry> entry = Take(form.Caption);
    if (!entry) {
      Fail("nothing was queued for the window \"" + form.Caption + "\":\n" + form.Describe());
      form.CloseByFrame();
      return;
    }
    try {
      for (const auto& action : entry->actions) {
        if (!form.IsShown()) break;
        Perform(form, action);
        if (action.kind == Action::Press) Say("-> " + action.text);
      }
    } catch (const FormError& e) {
      Fail(e.what());
      if (form.IsShown()) form.CloseByFrame();
      return;
    }
  }
}

int32_t ScriptedUser::MessageBox(const MessageBoxRequest& request) {
  Say(request.Describe());
  const std::vector<std::string> buttons = request.Buttons();
  for (;;) {
    std::optional<Entry> entry = Take(request.title);
    if (!entry) {
      Fail("nothing was queued for the message box \"" + request.title + "\":\n" +
           request.Describe());
      return (request.style & 7) == vbOKOnly ? vbOK : vbCancel;
    }
    const std::string& pressed = entry->actions.back().text;
    if (TextEquals(pressed, "Help") && (request.style & vbMsgBoxHelpButton) != 0) {
      os::Os().htmlHelp->Call(0, ToAnsi(request.helpFile), kHhHelpContext,
                              static_cast<std::uintptr_t>(request.helpContext));
      Say("-> Help");
      continue;
    }
    for (const auto& button : buttons) {
      if (TextEquals(button, pressed) || (TextEquals(pressed, "Esc") && button == "Cancel")) {
        Say("-> " + button);
        return MessageBoxRequest::AnswerOf(button);
      }
    }
    Fail("the message box \"" + request.title + "\" has no button \"" + pressed + "\"");
    return vbCancel;
  }
}

std::optional<std::string> ScriptedUser::FileDialog(const FileDialogRequest& request) {
  Say(std::string(request.save ? "Save" : "Open") + " file: " + request.title);
  std::optional<Entry> entry = Take(request.title);
  if (!entry) {
    Fail("nothing was queued for the file dialog \"" + request.title + "\"");
    return std::nullopt;
  }
  const std::string& answer = entry->actions.back().text;
  Say("-> " + answer);
  if (TextEquals(answer, "Cancel")) return std::nullopt;
  return answer;
}

}  // namespace kov::substitute

namespace kov::substitute {

void ScriptedUser::PopupMenu(forms::Menu& menu) {
  std::string text = "menu:\n";
  menu.Describe(text);
  Say(text);
  openMenu_ = &menu;
}

}  // namespace kov::substitute

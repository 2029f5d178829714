// The person at the screen, played from a script: what each modal window gets is queued by its
// window caption beforehand (type text into controls, then press a button). A window that shows
// up with nothing queued for it, or an action the window refuses, is recorded as the script's
// failure and the window is dismissed, since the add-in's own handlers would otherwise swallow
// the error.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/ModalDriver.h"

namespace kov::substitute {

class ScriptedUser : public forms::ModalDriver {
 public:
  // Queues typing into a control of the next window titled `title` (a text box gets the text,
  // a check box is clicked to the value "0" or "1", an option button is clicked).
  void Type(const std::string& title, const std::string& control, const std::string& text);
  // Queues the button that window gets: a caption ("OK", "No to All", with or without "&"), or
  // "Esc", "Enter", or "Close" (the window's frame). For a file dialog: the path, or "Cancel".
  void Answer(const std::string& title, const std::string& button);

  void ShowModal(forms::Form& form) override;
  int32_t MessageBox(const forms::MessageBoxRequest& request) override;
  std::optional<std::string> FileDialog(const forms::FileDialogRequest& request) override;
  void PopupMenu(forms::Menu& menu) override;
  // The menu that popped up last, until an item of it is picked; null when none is open.
  forms::Menu* OpenMenu() const { return openMenu_; }
  void CloseMenu() { openMenu_ = nullptr; }

  // The first failure since the last Clear, with the window as it was shown.
  const std::optional<std::string>& Failure() const { return failure_; }
  void ClearFailure() { failure_.reset(); }
  // Titles of windows queued for but not shown yet.
  std::vector<std::string> Unused() const;

  // Receives what a person would see: each window as it shows and the answer it got.
  std::function<void(const std::string&)> Transcript;

 private:
  struct Action {
    enum Kind { TypeText, Press } kind;
    std::string control;
    std::string text;
  };
  struct Entry {
    std::string title;
    std::vector<Action> actions;
    bool complete = false;
  };

  std::optional<Entry> Take(const std::string& title);
  void Fail(const std::string& what);
  void Say(const std::string& text);
  void Perform(forms::Form& form, const Action& action);

  std::deque<Entry> queue_;
  forms::Menu* openMenu_ = nullptr;
  std::optional<std::string> failure_;
};

}  // namespace kov::substitute

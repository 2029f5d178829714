// Whatever answers the add-in's modal windows: forms, message boxes and the file dialogs. In the
// program and in tests it is a script playing the person (substitute/windows/ScriptedUser); the
// dialogs never know which.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kov::forms {

class Form;
class Menu;

// Message box buttons and icons (VbMsgBoxStyle) and answers (VbMsgBoxResult).
inline constexpr int32_t vbOKOnly = 0;
inline constexpr int32_t vbOKCancel = 1;
inline constexpr int32_t vbAbortRetryIgnore = 2;
inline constexpr int32_t vbYesNoCancel = 3;
inline constexpr int32_t vbYesNo = 4;
inline constexpr int32_t vbRetryCancel = 5;
inline constexpr int32_t vbCritical = 16;
inline constexpr int32_t vbQuestion = 32;
inline constexpr int32_t vbExclamation = 48;
inline constexpr int32_t vbInformation = 64;
inline constexpr int32_t vbMsgBoxHelpButton = 16384;

inline constexpr int32_t vbOK = 1;
inline constexpr int32_t vbCancel = 2;
inline constexpr int32_t vbAbort = 3;
inline constexpr int32_t vbRetry = 4;
inline constexpr int32_t vbIgnore = 5;
inline constexpr int32_t vbYes = 6;
inline constexpr int32_t vbNo = 7;

struct MessageBoxRequest {
  std::string text;
  std::string title;
  // Buttons, icon and the help-button flag, as VB's MsgBox takes them.
  int32_t style = vbOKOnly;
  std::string helpFile;
  int32_t helpContext = 0;

  // The captions of the buttons the style shows ("Yes", "No", …), Help last when asked for.
  std::vector<std::string> Buttons() const;
  // The answer a button caption gives; 0 for Help or an unknown caption.
  static int32_t AnswerOf(const std::string& caption);
  // The box as a person sees it: title, text, buttons.
  std::string Describe() const;
};

struct FileDialogRequest {
  bool save = false;
  std::string title;
  std::string filter;  // "Settings (*.cfg)|*.cfg"
  std::string initialDir;
  std::string fileName;
};

class ModalDriver {
 public:
  ModalDriver() = default;
  virtual ~ModalDriver() = default;
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  // Acts on the shown form until one of its handlers unloads it.
  virtual void ShowModal(Form& form) = 0;
  // Returns the answer (vbOK, vbYes, …).
  virtual int32_t MessageBox(const MessageBoxRequest& request) = 0;
  // The chosen path, or nullopt when cancelled.
  virtual std::optional<std::string> FileDialog(const FileDialogRequest& request) = 0;
  // A pop-up menu opens: the person picks an item of it later (Menu::Pick) or leaves it.
  virtual void PopupMenu(Menu& menu) = 0;
};

// The installed driver; raises (std::logic_error) when none is installed.
ModalDriver& CurrentModalDriver();
// Installs a driver for good (a loaded module takes its host's driver this way).
void InstallModalDriver(ModalDriver* driver);

class ScopedModalDriver {
 public:
  explicit ScopedModalDriver(ModalDriver& driver);
  ~ScopedModalDriver();
  ScopedModalDriver(const ScopedModalDriver&) = delete;
  ScopedModalDriver& operator=(const ScopedModalDriver&) = delete;

 private:
  ModalDriver* previous_;
};

// VB's MsgBox through the current driver. With vbMsgBoxHelpButton, a Help press opens the help
// context (HTML Help on the help file) and the box stays until another button answers.
int32_t MsgBox(const std::string& text, int32_t style, const std::string& title,
               const std::string& helpFile = "", int32_t helpContext = 0);

}  // namespace kov::forms

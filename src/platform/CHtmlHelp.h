// CHtmlHelp wraps the HTML Help call behind a help file, a window type defined in that file and
// an owner window. The add-in keeps one (gobjHelp); dialogs open their topics through
// HelpTopics.h instead.
#pragma once

#include <cstdint>
#include <string>

namespace kov {

class CHtmlHelp {
 public:
  // Error numbers (object-defined) raised with the source "Kovelin.CHtmlHelp".
  static constexpr int32_t eErrHtmlHelp_NotInitialized = -2147221504 + 17641;
  static constexpr int32_t eErrHtmlHelp_InvalidFileName = -2147221504 + 17642;
  static constexpr int32_t eErrHtmlHelp_FileNotFound = -2147221504 + 17643;
  static constexpr int32_t eErrHtmlHelp_InvalidWindowHandle = -2147221504 + 17644;
  static constexpr int32_t eErrHtmlHelp_ComponentFailure = -2147221504 + 17645;

  // Checks and sets all three members; the file is set before the window is checked, so a bad
  // window leaves the new file name in place.
  void Init(const std::string& fileName, const std::string& windowName, int32_t callerHWnd);

  int32_t CallerHWnd() const { return callerHWnd_; }
  // 0 and negative handles are taken without a check; others must name a live window.
  void SetCallerHWnd(int32_t hwnd);
  const std::string& FileName() const { return fileName_; }
  // The file must exist; on failure the old name stays.
  void SetFileName(const std::string& fileName);
  const std::string& WindowName() const { return windowName_; }
  void SetWindowName(const std::string& windowName) { windowName_ = windowName; }

  void ShowContents();
  void ShowIndex();
  void ShowSearch();
  void ShowTopic(const std::string& topic);
  // Closes every help window the process opened; errors are ignored.
  void Shutdown();

 private:
  void CheckFile(const std::string& fileName) const;
  void CheckWindow(int32_t hwnd) const;
  void Show(uint32_t command, const std::string* topic);

  std::string fileName_;
  std::string windowName_ = "Main";
  int32_t callerHWnd_ = 0;
};

}  // namespace kov

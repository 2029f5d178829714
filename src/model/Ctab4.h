// Ctab4 holds the four tab bars of one folder (0 Top, 1 Right, 2 Bottom, 3 Left) and is bound to
// that folder: binding loads the bars from the folder's hidden messages, SaveSettings writes them
// back with the folder's common switches.
#pragma once

#include <array>
#include <cstdint>

#include "host/Folder.h"
#include "model/CTab.h"
#include "model/FolderSettings.h"

namespace kov {

class Ctab4 {
 public:
  using Bars = std::array<CTabPtr, 4>;

  Ctab4() = default;
  ~Ctab4();
  Ctab4(const Ctab4&) = delete;
  Ctab4& operator=(const Ctab4&) = delete;

  // The four bars (a slot may be null).
  Bars tabs() const { return tabs_; }
  // Takes the new bars and saves all four with the folder's stored common settings.
  void SetTabs(const Bars& bars);

  const host::FolderPtr& Folder() const { return folder_; }
  // Unbinds, binds the folder and, when it is not null, loads its bars.
  void SetFolder(const host::FolderPtr& folder);
  // Carries the bars over to another folder (converting sender and recipient filters between
  // Sent Items and other folders) without loading or saving.
  void ChangeFolder(const host::FolderPtr& NewFolder);
  // Writes the four bars and the common settings; with boolWithPassedSettings false the stored
  // settings are read first. Empty slots are written as empty, hidden bars.
  void SaveSettings(FolderSettings& MyFolderSettings, bool boolWithPassedSettings);
  void GetSettings();

 private:
  void ConvertFilters(const host::FolderPtr& NewFolder);
  void ClearAll();

  Bars tabs_{};
  host::FolderPtr folder_;
};

}  // namespace kov

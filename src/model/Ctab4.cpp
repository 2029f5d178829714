#include "model/Ctab4.h"

#include "addin/ProcessState.h"
#include "base/ErrorHandler.h"
#include "base/Text.h"
#include "model/FolderCommonSettings.h"
#include "model/FolderTabStore.h"

namespace kov {
namespace {

constexpr const char* kFromName = "urn:schemas:httpmail:fromname";
constexpr const char* kDisplayTo = "urn:schemas:httpmail:displayto";
constexpr const char* kDisplayCc = "urn:schemas:httpmail:displaycc";
constexpr const char* kSenderEmail = "http://schemas.microsoft.com/mapi/proptag/0x0065001f";

}  // namespace

Ctab4::~Ctab4() {
  try {
    ClearAll();
  } catch (...) {
    // Termination releases what it can.
  }
}

void Ctab4::SetTabs(const Bars& bars) {
  int position = 0;
  int step = 0;
  try {
    step = 1;
    for (position = 0; position < 4; ++position) {
      tabs_[position].reset();
      tabs_[position] = bars[position];
    }
    step = 2;
    FolderSettings settings;
    SaveSettings(settings, false);
  } catch (...) {
    HandleError(G().gobjLib.get(), "Ctab4.Let tabs, Index:" + std::to_string(position) +
                                       ",Line:" + std::to_string(step));
  }
}

void Ctab4::SetFolder(const host::FolderPtr& folder) {
  ClearAll();
  folder_ = folder;
  if (folder_) GetSettings();
}

void Ctab4::ChangeFolder(const host::FolderPtr& NewFolder) {
  ConvertFilters(NewFolder);
  folder_ = NewFolder;
}

void Ctab4::SaveSettings(FolderSettings& MyFolderSettings, bool boolWithPassedSettings) {
  int step = 0;
  try {
    step = 1;
    if (!folder_) return;
    step = 2;
    if (!boolWithPassedSettings) MyFolderSettings = GetFolderCommonSettings(folder_->EntryID());
    step = 3;
    for (int16_t position = 0; position < 4; ++position) {
      CTabPtr bar = tabs_[position];
      if (!bar) {
        bar = std::make_shared<CTab>();
        MyFolderSettings.TabEnabled[position] = 0;
      } else {
        bar->SetEnable(MyFolderSettings.TabEnabled[position]);
      }
      SaveMySettings(folder_, *bar, position);
    }
    step = 4;
    SetFolderCommonSettings(folder_->EntryID(), MyFolderSettings);
  } catch (...) {
    HandleError(G().gobjLib.get(), "SaveSettings, Line:" + std::to_string(step));
  }
}

void Ctab4::GetSettings() {
  for (int16_t position = 0; position < 4; ++position) {
    tabs_[position] = GetMySettings(folder_, position);
  }
}

void Ctab4::ConvertFilters(const host::FolderPtr& NewFolder) {
  const std::string& sent = G().gstrSentItems;
  const bool toSent = NewFolder && NewFolder->Name() == sent;
  const bool fromSent = folder_ && folder_->Name() == sent;
  if (!toSent && !fromSent) return;
  const std::string find1 = toSent ? kFromName : kDisplayTo;
  const std::string with1 = toSent ? kDisplayTo : kFromName;
  const std::string find2 = toSent ? kSenderEmail : kDisplayCc;
  const std::string with2 = toSent ? kDisplayCc : kSenderEmail;
  for (const auto& bar : tabs_) {
    if (!bar || bar->tabs->Count() == 0) continue;
    auto converted = std::make_shared<CTab::TabCollection>();
    for (TabDescription tab : *bar->tabs) {
      tab.TabFilter = Replace(Replace(tab.TabFilter, find1, with1), find2, with2);
      converted->Add(tab);
    }
    bar->tabs = converted;
  }
}

void Ctab4::ClearAll() {
  if (!folder_) return;
  for (auto& bar : tabs_) bar.reset();
  folder_.reset();
}

}  // namespace kov

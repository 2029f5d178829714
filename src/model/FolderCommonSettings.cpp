#include "model/FolderCommonSettings.h"

#include "addin/ProcessState.h"
#include "base/ErrorHandler.h"
#include "base/Required.h"
#include "base/Text.h"
#include "host/NameSpace.h"

namespace kov {
namespace {

int16_t DigitAt(const std::string& text, size_t position) {
  if (position > text.size()) return 0;
  const char c = text[position - 1];
  return c >= '0' && c <= '9' ? static_cast<int16_t>(c - '0') : int16_t{0};
}

std::string FirstChar(const Variant& value) { return Left(value.ToString(), 1); }

// Search folders and Hotmail folders never have tab bars, whatever the registry holds.
bool NeverHasTabs(const std::string& path) {
  return InStr(path, "Search Folders", Compare::Text) > 0 ||
         UCase(Left(path, 10)) == "\\\\HOTMAIL\\";
}

}  // namespace

FolderSettings ParseFolderSettings(const std::string& text) {
  FolderSettings settings;
  settings.Enabled = DigitAt(text, 1);
  settings.WithViews = DigitAt(text, 2);
  settings.ViewIndex = DigitAt(text, 3);
  for (size_t i = 0; i < 4; ++i) settings.TabEnabled[i] = DigitAt(text, 4 + i);
  settings.SaveLastClick = DigitAt(text, 8);
  if (text.size() > 8) {
    for (size_t i = 0; i < 4; ++i) settings.MultiLine[i] = DigitAt(text, 9 + i);
  }
  return settings;
}

std::string EncodeFolderSettings(const FolderSettings& settings) {
  std::string text = std::to_string(settings.Enabled) + std::to_string(settings.WithViews) +
                     std::to_string(settings.ViewIndex);
  for (size_t i = 0; i < 4; ++i) text += std::to_string(settings.TabEnabled[i]);
  text += std::to_string(settings.SaveLastClick);
  for (size_t i = 0; i < 4; ++i) text += std::to_string(settings.MultiLine[i]);
  return text;
}

FolderSettings GetFolderCommonSettings(const std::string& EntryID) {
  try {
    std::string text = Required(G().gobjRegistry)
                           .GetValue(G().gstrRegFolders, EntryID, kDefaultFolderSettings)
                           .ToString();
    if (Len(text) < 8) text = Left(text + "00000001", 8);
    return ParseFolderSettings(text);
  } catch (...) {
    HandleError(G().gobjLib.get(), "GetFolderCommonSettings");
    return FolderSettings{};
  }
}

void SetFolderCommonSettings(const std::string& EntryID, const FolderSettings& settings) {
  int32_t type = 1;
  Required(G().gobjRegistry)
      .SetValue(G().gstrRegFolders, EntryID, EncodeFolderSettings(settings), type);
  type = 2;
  Required(G().gobjRegistry).SetValue(G().gstrRegFolders, EntryID + "Quick", "0", type);
}

bool IsFolderEnabled(const host::FolderPtr& Folder) {
  try {
    if (NeverHasTabs(Folder->FolderPath())) return false;
    return FirstChar(
               Required(G().gobjRegistry).GetValue(G().gstrRegFolders, Folder->EntryID(), "0")) ==
           "1";
  } catch (...) {
    HandleError(G().gobjLib.get(), "IsFolderEnabled");
    return false;
  }
}

bool CheckForQuickStart(const host::FolderPtr& Folder) {
  try {
    ProcessState& g = G();
    if (g.QuickStartRunning) return false;
    if (IsFolderEnabled(Folder)) return false;
    // Offering tab bars to a folder that can never show them would only ask in vain.
    if (NeverHasTabs(Folder->FolderPath())) return false;
    if (std::dynamic_pointer_cast<host::NameSpace>(Folder->Parent())) return false;
    if (InStr(g.gstrExcludedFolders, Folder->Name()) > 0) return false;
    if (FirstChar(Required(g.gobjRegistry).GetValue(g.gstrRegFolders, "AllFolders", "1")) == "0") {
      return false;
    }
    if (FirstChar(Required(g.gobjRegistry)
                      .GetValue(g.gstrRegFolders, Folder->EntryID() + "Quick", "1")) == "0") {
      return false;
    }
    g.gstrQuickEntryID = Folder->EntryID();
    g.PromptPending = true;
    g.DeferredActionCode = 2;
    g.gstrQuickFolderName = Folder->Name();
    Required(g.gobjRegistry).Timer().SetEnabled(true);
    return true;
  } catch (...) {
    HandleError(G().gobjLib.get(), "CheckForQuickStart");
    return false;
  }
}

}  // namespace kov

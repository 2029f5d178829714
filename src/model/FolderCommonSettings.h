// A folder's common switches in the registry (keyed by its entry id under the folders key), the
// test whether a folder has tab bars, and the first-entry check that schedules the prompt
// offering them.
#pragma once

#include <string>

#include "host/Folder.h"
#include "model/FolderSettings.h"

namespace kov {

inline constexpr const char* kDefaultFolderSettings = "000000010101";

FolderSettings GetFolderCommonSettings(const std::string& EntryID);
// Stores the record and marks the folder as asked ("Quick" = "0"). Registry failures raise.
void SetFolderCommonSettings(const std::string& EntryID, const FolderSettings& settings);
std::string EncodeFolderSettings(const FolderSettings& settings);
FolderSettings ParseFolderSettings(const std::string& text);

bool IsFolderEnabled(const host::FolderPtr& Folder);
// True when the first-entry prompt was scheduled for the folder.
bool CheckForQuickStart(const host::FolderPtr& Folder);

}  // namespace kov

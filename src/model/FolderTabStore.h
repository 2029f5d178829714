// A folder's tab bars stored inside the folder as hidden messages: for each bar position n a
// header ("Kovelin Organizer" + prefix + n, body Enable then Index), its captions (+ "Captions")
// and its filters (+ "Filters"), both joined by "|". A contacts folder keeps its messages in the
// default Outbox under a prefix made from its name. The formats are the contract with data
// already in users' folders; they are kept byte for byte.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/Cdo.h"
#include "host/Folder.h"
#include "model/CTab.h"
#include "model/FolderSettings.h"

namespace kov {

inline constexpr const char* kSettingsSubject = "Kovelin Organizer";

// The bar stored for a position, or null when the folder is being reselected or on failure.
CTabPtr GetMySettings(const host::FolderPtr& Folder, int16_t Index);
CTabPtr RestoreMySettingsFromString(int16_t Index, const FolderSettings& settings,
                                    const std::string& header, const std::string& captions,
                                    const std::string& filters);

struct SerializedBar {
  std::string header;
  std::string captions;
  std::string filters;
};
// Also turns the bar's Index 0 into 1, on the bar itself.
SerializedBar SerializeBar(CTab& bar);

// Writes the bar's three messages for the position. The new messages are written before the old
// ones are deleted, so that a failure at any point leaves a readable bar.
void SaveMySettings(const host::FolderPtr& Folder, CTab& bar, int16_t Index);

// The body of the first hidden message whose subject is exactly `key`; "" when there is none.
std::string GetKeySetting(const std::string& key,
                          const std::shared_ptr<host::CdoFolder>& cdoFolder);
// Deletes every hidden message whose subject contains `key`.
void DeleteKeySetting(const std::string& key,
                      const std::shared_ptr<host::CdoMessages>& hiddenMessages);

// The storage prefix of a folder ("" for most; name without spaces + "Contacts" for contacts).
std::string SettingsPrefix(const host::FolderPtr& Folder);

}  // namespace kov

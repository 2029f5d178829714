// The "MAPI" namespace: the stores' top folders, the default folders and the Properties dialog's
// options-pages event.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/Event.h"
#include "host/Folder.h"

namespace kov::host {

// GetDefaultFolder numbers.
inline constexpr int32_t olFolderDeletedItems = 3;
inline constexpr int32_t olFolderOutbox = 4;
inline constexpr int32_t olFolderSentMail = 5;
inline constexpr int32_t olFolderInbox = 6;
inline constexpr int32_t olFolderCalendar = 9;
inline constexpr int32_t olFolderContacts = 10;
inline constexpr int32_t olFolderJournal = 11;
inline constexpr int32_t olFolderNotes = 12;
inline constexpr int32_t olFolderTasks = 13;
inline constexpr int32_t olFolderDrafts = 16;
inline constexpr int32_t olFolderConflicts = 19;
inline constexpr int32_t olFolderSyncIssues = 20;
inline constexpr int32_t olFolderServerFailures = 22;
inline constexpr int32_t olFolderJunk = 23;

// The pages of a folder's Properties dialog that add-ins add to.
class PropertyPages : public ComObject {
 public:
  virtual void Add(const ObjectPtr& page, const std::string& title) = 0;
  virtual int32_t Count() const = 0;
};

class NameSpace : public ComObject {
 public:
  // One top folder per store.
  virtual std::shared_ptr<host::Folders> Folders() const = 0;
  // The default store's folder of that number; raises when the host has none (numbers 19 and
  // above on the 2002 host).
  virtual FolderPtr GetDefaultFolder(int32_t folderType) const = 0;

  // Raised as a folder's Properties dialog opens.
  Event<std::shared_ptr<PropertyPages>, FolderPtr> OptionsPagesAdd;
};

}  // namespace kov::host

// An Outlook folder and a folder's sub-folders.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/ComObject.h"
#include "host/Items.h"
#include "host/Views.h"

namespace kov::host {

// DefaultItemType values.
inline constexpr int32_t olMailItem = 0;
inline constexpr int32_t olAppointmentItem = 1;
inline constexpr int32_t olContactItem = 2;
inline constexpr int32_t olTaskItem = 3;
inline constexpr int32_t olJournalItem = 4;
inline constexpr int32_t olNoteItem = 5;

class Folders;

class Folder : public ComObject {
 public:
  virtual std::string Name() const = 0;
  // Stable across runs of the host.
  virtual std::string EntryID() const = 0;
  virtual std::string StoreID() const = 0;
  // "\\Store\Folder\Sub".
  virtual std::string FolderPath() const = 0;
  // The parent folder, or the NameSpace for a store's top folder.
  virtual ObjectPtr Parent() const = 0;
  virtual int32_t DefaultItemType() const = 0;
  virtual std::shared_ptr<host::Folders> Folders() const = 0;
  virtual std::shared_ptr<host::Items> Items() const = 0;
  virtual std::shared_ptr<host::Views> Views() const = 0;
  // The home page switch and address.
  virtual bool WebViewOn() const = 0;
  virtual void SetWebViewOn(bool on) = 0;
  virtual std::string WebViewURL() const = 0;
  virtual void SetWebViewURL(const std::string& url) = 0;
};

using FolderPtr = std::shared_ptr<Folder>;

class Folders : public ComObject {
 public:
  virtual int32_t Count() const = 0;
  // By 1-based index (raises outside 1..Count) or by name (raises when absent).
  virtual FolderPtr Item(int32_t index) const = 0;
  virtual FolderPtr Item(const std::string& name) const = 0;
  virtual std::vector<FolderPtr> All() const = 0;
};

}  // namespace kov::host

// The stand-in's data: stores of folders holding items, views and hidden messages. The object
// model classes are views onto these records; the store file loads and saves them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/Variant.h"
#include "outlook/ItemSchema.h"

namespace kov::outlook {

struct LinkData {
  int32_t type = 40;
  std::string name;
  bool operator==(const LinkData&) const = default;
};

struct ItemData {
  std::string entryId;
  // Only the properties the item set, each once.
  std::vector<std::pair<Prop, Variant>> props;
  std::vector<LinkData> links;

  // The value, or null when the item never set it.
  const Variant* Find(Prop prop) const;
  void Set(Prop prop, Variant value);
};

struct ViewData {
  std::string name;
  std::string xml;
};

struct HiddenMessageData {
  std::string entryId;
  std::string subject;
  std::string body;
};

struct StoreData;

struct FolderData {
  std::string name;
  std::string entryId;
  int32_t itemType = 0;
  // The GetDefaultFolder number this folder answers (0 for none).
  int32_t defaultFolder = 0;
  bool webViewOn = false;
  std::string webViewUrl;
  std::string currentView;
  std::vector<ViewData> views;
  std::vector<HiddenMessageData> hidden;
  std::vector<std::shared_ptr<ItemData>> items;
  std::vector<std::shared_ptr<FolderData>> folders;

  // Set by StoreSet::Link.
  FolderData* parent = nullptr;
  StoreData* store = nullptr;

  // "\\Store\Folder\Sub".
  std::string Path() const;
};

struct StoreData {
  std::string name;
  std::string storeId;
  std::shared_ptr<FolderData> root;
};

struct StoreSet {
  std::vector<std::shared_ptr<StoreData>> stores;

  // Sets every folder's parent and store pointers.
  void Link();
  // Visits every folder of every store, parents before children.
  template <typename F>
  void ForEachFolder(F&& visit) const {
    for (const auto& store : stores) Visit(*store->root, visit);
  }
  FolderData* FindFolder(const std::string& entryId, const std::string& storeId) const;
  // A new entry id, unique in the set.
  std::string NewEntryId();

 private:
  template <typename F>
  static void Visit(FolderData& folder, F& visit) {
    visit(folder);
    for (const auto& child : folder.folders) Visit(*child, visit);
  }
  uint64_t nextId_ = 0;
  bool scanned_ = false;
};

}  // namespace kov::outlook

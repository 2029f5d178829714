#include "outlook/StoreModel.h"

#include <algorithm>
#include <cstdio>

namespace kov::outlook {

const Variant* ItemData::Find(Prop prop) const {
  for (const auto& [id, value] : props) {
    if (id == prop) return &value;
  }
  return nullptr;
}

void ItemData::Set(Prop prop, Variant value) {
  for (auto& [id, existing] : props) {
    if (id == prop) {
      existing = std::move(value);
      return;
    }
  }
  props.emplace_back(prop, std::move(value));
}

std::string FolderData::Path() const {
  std::string path;
  for (const FolderData* folder = this; folder != nullptr; folder = folder->parent) {
    path = "\\" + folder->name + path;
  }
  return "\\" + path;
}

namespace {

void LinkFolder(FolderData& folder, FolderData* parent, StoreData* store) {
  folder.parent = parent;
  folder.store = store;
  for (const auto& child : folder.folders) LinkFolder(*child, &folder, store);
}

}  // namespace

void StoreSet::Link() {
  for (const auto& store : stores) LinkFolder(*store->root, nullptr, store.get());
}

FolderData* StoreSet::FindFolder(const std::string& entryId, const std::string& storeId) const {
  FolderData* found = nullptr;
  ForEachFolder([&](FolderData& folder) {
    if (found == nullptr && folder.entryId == entryId &&
        (storeId.empty() || folder.store->storeId == storeId)) {
      found = &folder;
    }
  });
  return found;
}

std::string StoreSet::NewEntryId() {
  // Entry ids look like the host's: long upper-case hex, a fixed prefix and a counter. The
  // counter starts past the highest one already in the set, found once.
  static constexpr const char* kPrefix = "00000000A1B2C3D4E5F60718293A4B5C";
  const std::string prefix = kPrefix;
  if (!scanned_) {
    auto consider = [&](const std::string& id) {
      if (id.size() == prefix.size() + 16 && id.compare(0, prefix.size(), prefix) == 0) {
        nextId_ = std::max<uint64_t>(nextId_, std::stoull(id.substr(prefix.size()), nullptr, 16));
      }
    };
    ForEachFolder([&](FolderData& folder) {
      consider(folder.entryId);
      for (const auto& item : folder.items) consider(item->entryId);
      for (const auto& message : folder.hidden) consider(message.entryId);
    });
    scanned_ = true;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%s%016llX", kPrefix,
                static_cast<unsigned long long>(++nextId_));
  return text;
}

}  // namespace kov::outlook

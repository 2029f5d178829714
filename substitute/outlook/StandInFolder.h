// Folders, their items and their views, as views onto the stand-in's store records.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/Folder.h"
#include "outlook/StandInWorld.h"

namespace kov::outlook {

class StandInItem : public host::Item {
 public:
  StandInItem(std::shared_ptr<ItemData> data, int32_t itemType)
      : data_(std::move(data)), itemType_(itemType) {}
  int32_t Class() const override;
  std::string EntryID() const override { return data_->entryId; }
  std::string Subject() const override;
  std::vector<host::Link> Links() const override;
  Variant ItemProperty(const std::string& name) const override;

  const ItemData& Data() const { return *data_; }
  int32_t ItemType() const { return itemType_; }

 private:
  std::shared_ptr<ItemData> data_;
  int32_t itemType_;
};

class StandInItems : public host::Items {
 public:
  StandInItems(WorldPtr world, FolderData* folder) : world_(std::move(world)), folder_(folder) {}
  int32_t Count() const override { return static_cast<int32_t>(folder_->items.size()); }
  host::ItemPtr Item(int32_t index) const override;
  std::vector<host::ItemPtr> All() const override;

 private:
  WorldPtr world_;
  FolderData* folder_;
};

class StandInView : public host::View {
 public:
  StandInView(WorldPtr world, FolderData* folder, std::string name);
  std::string Name() const override { return name_; }
  std::string XML() const override;
  void SetXML(const std::string& xml) override;
  host::ViewPtr Copy(const std::string& name, int32_t saveOption) override;
  void Save() override;
  void Delete() override;

 private:
  ViewData* Record() const;

  WorldPtr world_;
  FolderData* folder_;
  std::string name_;
  std::optional<std::string> pendingXml_;
};

class StandInViews : public host::Views {
 public:
  StandInViews(WorldPtr world, FolderData* folder) : world_(std::move(world)), folder_(folder) {}
  int32_t Count() const override { return static_cast<int32_t>(folder_->views.size()); }
  host::ViewPtr Item(int32_t index) const override;
  host::ViewPtr Item(const std::string& name) const override;
  std::vector<host::ViewPtr> All() const override;

 private:
  WorldPtr world_;
  FolderData* folder_;
};

class StandInFolder : public host::Folder {
 public:
  StandInFolder(WorldPtr world, FolderData* data) : world_(std::move(world)), data_(data) {}
  std::string Name() const override { return data_->name; }
  std::string EntryID() const override { return data_->entryId; }
  std::string StoreID() const override { return data_->store->storeId; }
  std::string FolderPath() const override { return data_->Path(); }
  host::ObjectPtr Parent() const override;
  int32_t DefaultItemType() const override { return data_->itemType; }
  std::shared_ptr<host::Folders> Folders() const override;
  std::shared_ptr<host::Items> Items() const override;
  std::shared_ptr<host::Views> Views() const override;
  bool WebViewOn() const override { return data_->webViewOn; }
  void SetWebViewOn(bool on) override;
  std::string WebViewURL() const override { return data_->webViewUrl; }
  void SetWebViewURL(const std::string& url) override;

  FolderData* Data() const { return data_; }

 private:
  WorldPtr world_;
  FolderData* data_;
};

class StandInFolders : public host::Folders {
 public:
  // The sub-folders of `parent`, or with no parent the stores' top folders.
  StandInFolders(WorldPtr world, FolderData* parent) : world_(std::move(world)), parent_(parent) {}
  int32_t Count() const override;
  host::FolderPtr Item(int32_t index) const override;
  host::FolderPtr Item(const std::string& name) const override;
  std::vector<host::FolderPtr> All() const override;

 private:
  std::vector<FolderData*> Records() const;

  WorldPtr world_;
  FolderData* parent_;
};

// The view's own filter: the text of the document's "filter" element ("" for none).
std::string ViewFilterOf(const std::string& xml);
// A realistic view document for a new view.
std::string MakeViewXml(const std::string& name, int32_t itemType, const std::string& filter);

}  // namespace kov::outlook

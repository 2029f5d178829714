#include "outlook/StandInFolder.h"

#include <pugixml.hpp>
#include <sstream>

#include "base/ComError.h"
#include "base/Text.h"
#include "outlook/StandInApplication.h"

namespace kov::outlook {

int32_t StandInItem::Class() const { return ItemClassOf(itemType_); }

std::string StandInItem::Subject() const {
  const Variant* value = data_->Find(Prop::Subject);
  return value == nullptr ? "" : value->ToString();
}

std::vector<host::Link> StandInItem::Links() const {
  std::vector<host::Link> links;
  for (const auto& link : data_->links) links.push_back({link.type, link.name});
  return links;
}

Variant StandInItem::ItemProperty(const std::string& name) const {
  const auto prop = PropByName(name);
  if (!prop || !TypeHasProp(itemType_, *prop)) {
    // The host's answer for a property that the item's type does not have.
    throw ComError(static_cast<int32_t>(0x80020009), "Microsoft Office Outlook",
                   "The property \"" + name + "\" does not exist on this item.");
  }
  const Variant* value = data_->Find(*prop);
  return value == nullptr ? EmptyValue(*prop) : *value;
}

host::ItemPtr StandInItems::Item(int32_t index) const {
  if (index < 1 || index > Count()) throw ComError::Vb(vberr::SubscriptOutOfRange, "Outlook");
  return std::make_shared<StandInItem>(folder_->items[index - 1], folder_->itemType);
}

std::vector<host::ItemPtr> StandInItems::All() const {
  std::vector<host::ItemPtr> items;
  items.reserve(folder_->items.size());
  for (const auto& item : folder_->items) {
    items.push_back(std::make_shared<StandInItem>(item, folder_->itemType));
  }
  return items;
}

// ---- views ----

std::string ViewFilterOf(const std::string& xml) {
  pugi::xml_document doc;
  if (!doc.load_string(xml.c_str())) return "";
  return doc.child("view").child("filter").text().get();
}

std::string MakeViewXml(const std::string& name, int32_t itemType, const std::string& filter) {
  pugi::xml_document doc;
  auto decl = doc.append_child(pugi::node_declaration);
  decl.append_attribute("version") = "1.0";
  auto view = doc.append_child("view");
  view.append_attribute("type") = itemType == 1 ? "day" : (itemType == 2 ? "card" : "table");
  view.append_child("viewname").text() = name.c_str();
  view.append_child("viewstyle").text() =
      "table-layout:fixed;width:100%;font-family:Tahoma;font-style:normal;font-weight:normal;"
      "font-size:8pt;color:Black;font-charset:0";
  view.append_child("viewtime").text() = "0";
  view.append_child("linecolor").text() = "8421504";
  view.append_child("linestyle").text() = "3";
  view.append_child("gridlines").text() = "1";
  view.append_child("newitemrow").text() = "1";
  view.append_child("incelledit").text() = "1";
  auto column = [&](const char* heading, const char* prop, const char* type, int width) {
    auto c = view.append_child("column");
    c.append_child("heading").text() = heading;
    c.append_child("prop").text() = prop;
    c.append_child("type").text() = type;
    c.append_child("width").text() = width;
    c.append_child("style").text() = "padding-left:3px;;text-align:left";
  };
  switch (itemType) {
    case 0:
      column("From", "urn:schemas:httpmail:fromname", "string", 120);
      column("Subject", "urn:schemas:httpmail:subject", "string", 300);
      column("Received", "urn:schemas:httpmail:datereceived", "datetime", 110);
      break;
    case 2:
      column("Full Name", "urn:schemas:contacts:cn", "string", 150);
      column("Company", "urn:schemas:contacts:o", "string", 150);
      break;
    case 1:
      column("Subject", "urn:schemas:httpmail:subject", "string", 250);
      column("Location", "urn:schemas:calendar:location", "string", 120);
      break;
    default:
      column("Subject", "urn:schemas:httpmail:subject", "string", 300);
      break;
  }
  if (!filter.empty()) view.append_child("filter").text() = filter.c_str();
  std::ostringstream out;
  doc.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}

StandInView::StandInView(WorldPtr world, FolderData* folder, std::string name)
    : world_(std::move(world)), folder_(folder), name_(std::move(name)) {}

ViewData* StandInView::Record() const {
  for (auto& view : folder_->views) {
    if (view.name == name_) return &view;
  }
  RaiseNotFound("view \"" + name_ + "\"");
}

std::string StandInView::XML() const { return pendingXml_ ? *pendingXml_ : Record()->xml; }

void StandInView::SetXML(const std::string& xml) {
  pugi::xml_document doc;
  if (!doc.load_string(xml.c_str()) || !doc.child("view")) {
    throw ComError(static_cast<int32_t>(0x80070057), "Microsoft Office Outlook",
                   "The view definition is not valid.");
  }
  pendingXml_ = xml;
}

host::ViewPtr StandInView::Copy(const std::string& name, int32_t /*saveOption*/) {
  for (const auto& view : folder_->views) {
    if (TextEquals(view.name, name)) {
      throw ComError(static_cast<int32_t>(0x80070057), "Microsoft Office Outlook",
                     "A view named \"" + name + "\" already exists.");
    }
  }
  folder_->views.push_back({name, XML()});
  world_->Persist();
  return std::make_shared<StandInView>(world_, folder_, name);
}

void StandInView::Save() {
  ViewData* record = Record();
  if (pendingXml_) record->xml = *pendingXml_;
  pendingXml_.reset();
  world_->Persist();
}

void StandInView::Delete() {
  Record();
  std::erase_if(folder_->views, [&](const ViewData& view) { return view.name == name_; });
  if (folder_->currentView == name_) {
    folder_->currentView = folder_->views.empty() ? "" : folder_->views.front().name;
  }
  world_->Persist();
}

host::ViewPtr StandInViews::Item(int32_t index) const {
  if (index < 1 || index > Count()) throw ComError::Vb(vberr::SubscriptOutOfRange, "Outlook");
  return std::make_shared<StandInView>(world_, folder_, folder_->views[index - 1].name);
}

host::ViewPtr StandInViews::Item(const std::string& name) const {
  for (const auto& view : folder_->views) {
    if (TextEquals(view.name, name))
      return std::make_shared<StandInView>(world_, folder_, view.name);
  }
  RaiseNotFound("view \"" + name + "\"");
}

std::vector<host::ViewPtr> StandInViews::All() const {
  std::vector<host::ViewPtr> views;
  for (const auto& view : folder_->views) {
    views.push_back(std::make_shared<StandInView>(world_, folder_, view.name));
  }
  return views;
}

// ---- folders ----

host::ObjectPtr StandInFolder::Parent() const {
  if (data_->parent == nullptr) return world_->nameSpace;
  return std::make_shared<StandInFolder>(world_, data_->parent);
}

std::shared_ptr<host::Folders> StandInFolder::Folders() const {
  return std::make_shared<StandInFolders>(world_, data_);
}

std::shared_ptr<host::Items> StandInFolder::Items() const {
  return std::make_shared<StandInItems>(world_, data_);
}

std::shared_ptr<host::Views> StandInFolder::Views() const {
  return std::make_shared<StandInViews>(world_, data_);
}

void StandInFolder::SetWebViewOn(bool on) {
  data_->webViewOn = on;
  world_->Persist();
}

void StandInFolder::SetWebViewURL(const std::string& url) {
  data_->webViewUrl = url;
  world_->Persist();
}

std::vector<FolderData*> StandInFolders::Records() const {
  std::vector<FolderData*> records;
  if (parent_ == nullptr) {
    for (const auto& store : world_->stores.stores) records.push_back(store->root.get());
  } else {
    for (const auto& child : parent_->folders) records.push_back(child.get());
  }
  return records;
}

int32_t StandInFolders::Count() const { return static_cast<int32_t>(Records().size()); }

host::FolderPtr StandInFolders::Item(int32_t index) const {
  const auto records = Records();
  if (index < 1 || index > static_cast<int32_t>(records.size())) {
    throw ComError::Vb(vberr::SubscriptOutOfRange, "Outlook");
  }
  return std::make_shared<StandInFolder>(world_, records[index - 1]);
}

host::FolderPtr StandInFolders::Item(const std::string& name) const {
  for (FolderData* record : Records()) {
    if (TextEquals(record->name, name)) return std::make_shared<StandInFolder>(world_, record);
  }
  RaiseNotFound("folder \"" + name + "\"");
}

std::vector<host::FolderPtr> StandInFolders::All() const {
  std::vector<host::FolderPtr> folders;
  for (FolderData* record : Records())
    folders.push_back(std::make_shared<StandInFolder>(world_, record));
  return folders;
}

}  // namespace kov::outlook

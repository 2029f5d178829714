#include "outlook/StoreFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "base/TextFile.h"

namespace kov::outlook {

using nlohmann::json;

namespace {

constexpr const char* kFormat = "kovelin-store/1";

class Reader {
 public:
  explicit Reader(std::string fileName) : fileName_(std::move(fileName)) {}

  StoreSet Read(const json& doc) {
    Expect(doc.is_object(), "", "the document must be an object");
    Expect(doc.contains("format") && doc["format"] == kFormat, "format",
           std::string("must be \"") + kFormat + "\"");
    const json& stores = Member(doc, "stores", "", json::value_t::array);
    StoreSet set;
    for (size_t i = 0; i < stores.size(); ++i) {
      const std::string at = "stores[" + std::to_string(i) + "]";
      const json& s = stores[i];
      Expect(s.is_object(), at, "must be an object");
      auto store = std::make_shared<StoreData>();
      store->name = Text(s, "name", at);
      store->storeId = Text(s, "storeId", at);
      store->root = ReadFolder(Member(s, "root", at, json::value_t::object), at + ".root");
      Expect(store->root->name == store->name, at + ".root.name", "must be the store's name");
      set.stores.push_back(store);
    }
    set.Link();
    return set;
  }

 private:
  void Expect(bool ok, const std::string& at, const std::string& what) const {
    if (!ok) {
      throw StoreFileError(fileName_ + ": " + (at.empty() ? "" : at + ": ") + what);
    }
  }

  const json& Member(const json& object, const char* name, const std::string& at,
                     json::value_t type) const {
    const std::string where = at.empty() ? name : at + "." + name;
    Expect(object.contains(name), where, "is missing");
    const json& value = object[name];
    const bool fits =
        type == json::value_t::number_integer ? value.is_number_integer() : value.type() == type;
    Expect(fits, where, std::string("must be ") + json(type).type_name());
    return value;
  }

  std::string Text(const json& object, const char* name, const std::string& at) const {
    return Member(object, name, at, json::value_t::string).get<std::string>();
  }

  std::string OptionalText(const json& object, const char* name, const std::string& at) const {
    return object.contains(name) ? Text(object, name, at) : std::string();
  }

  int32_t Integer(const json& object, const char* name, const std::string& at, int32_t low,
                  int32_t high) const {
    const json& value = Member(object, name, at, json::value_t::number_integer);
    const auto number = value.get<int64_t>();
    Expect(number >= low && number <= high, at + "." + name,
           "must be from " + std::to_string(low) + " to " + std::to_string(high));
    return static_cast<int32_t>(number);
  }

  std::shared_ptr<FolderData> ReadFolder(const json& f, const std::string& at) {
    auto folder = std::make_shared<FolderData>();
    folder->name = Text(f, "name", at);
    folder->entryId = Text(f, "entryId", at);
    Expect(!folder->entryId.empty(), at + ".entryId", "must not be empty");
    folder->itemType = Integer(f, "itemType", at, 0, 5);
    if (f.contains("defaultFolder")) folder->defaultFolder = Integer(f, "defaultFolder", at, 0, 99);
    if (f.contains("webViewOn"))
      folder->webViewOn = Member(f, "webViewOn", at, json::value_t::boolean).get<bool>();
    folder->webViewUrl = OptionalText(f, "webViewUrl", at);
    folder->currentView = OptionalText(f, "currentView", at);
    if (f.contains("views")) {
      const json& views = Member(f, "views", at, json::value_t::array);
      for (size_t i = 0; i < views.size(); ++i) {
        const std::string vat = at + ".views[" + std::to_string(i) + "]";
        Expect(views[i].is_object(), vat, "must be an object");
        folder->views.push_back({Text(views[i], "name", vat), Text(views[i], "xml", vat)});
      }
    }
    if (f.contains("hidden")) {
      const json& hidden = Member(f, "hidden", at, json::value_t::array);
      for (size_t i = 0; i < hidden.size(); ++i) {
        const std::string hat = at + ".hidden[" + std::to_string(i) + "]";
        Expect(hidden[i].is_object(), hat, "must be an object");
        folder->hidden.push_back({Text(hidden[i], "entryId", hat), Text(hidden[i], "subject", hat),
                                  Text(hidden[i], "body", hat)});
      }
    }
    if (f.contains("items")) {
      const json& items = Member(f, "items", at, json::value_t::array);
      for (size_t i = 0; i < items.size(); ++i) {
        folder->items.push_back(ReadItem(items[i], at + ".items[" + std::to_string(i) + "]"));
      }
    }
    if (f.contains("folders")) {
      const json& folders = Member(f, "folders", at, json::value_t::array);
      for (size_t i = 0; i < folders.size(); ++i) {
        const std::string cat = at + ".folders[" + std::to_string(i) + "]";
        Expect(folders[i].is_object(), cat, "must be an object");
        folder->folders.push_back(ReadFolder(folders[i], cat));
      }
    }
    return folder;
  }

  std::shared_ptr<ItemData> ReadItem(const json& i, const std::string& at) {
    Expect(i.is_object(), at, "must be an object");
    auto item = std::make_shared<ItemData>();
    item->entryId = Text(i, "entryId", at);
    if (i.contains("properties")) {
      const json& props = Member(i, "properties", at, json::value_t::object);
      for (const auto& [name, value] : props.items()) {
        const std::string pat = at + ".properties." + name;
        const auto prop = PropByName(name);
        Expect(prop.has_value(), pat, "is not a known item property");
        switch (PropKindOf(*prop)) {
          case PropKind::Text:
            Expect(value.is_string(), pat, "must be a string");
            item->Set(*prop, Variant(value.get<std::string>()));
            break;
          case PropKind::Integer:
            Expect(value.is_number_integer(), pat, "must be an integer");
            item->Set(*prop, Variant(static_cast<int32_t>(value.get<int64_t>())));
            break;
          case PropKind::Boolean:
            Expect(value.is_boolean(), pat, "must be true or false");
            item->Set(*prop, Variant(value.get<bool>()));
            break;
        }
      }
    }
    if (i.contains("links")) {
      const json& links = Member(i, "links", at, json::value_t::array);
      for (size_t k = 0; k < links.size(); ++k) {
        const std::string lat = at + ".links[" + std::to_string(k) + "]";
        Expect(links[k].is_object(), lat, "must be an object");
        item->links.push_back(
            {Integer(links[k], "type", lat, 0, 1000), Text(links[k], "name", lat)});
      }
    }
    return item;
  }

  std::string fileName_;
};

json WriteFolder(const FolderData& folder) {
  json f;
  f["name"] = folder.name;
  f["entryId"] = folder.entryId;
  f["itemType"] = folder.itemType;
  if (folder.defaultFolder != 0) f["defaultFolder"] = folder.defaultFolder;
  f["webViewOn"] = folder.webViewOn;
  f["webViewUrl"] = folder.webViewUrl;
  f["currentView"] = folder.currentView;
  f["views"] = json::array();
  for (const auto& view : folder.views)
    f["views"].push_back({{"name", view.name}, {"xml", view.xml}});
  f["hidden"] = json::array();
  for (const auto& message : folder.hidden) {
    f["hidden"].push_back(
        {{"entryId", message.entryId}, {"subject", message.subject}, {"body", message.body}});
  }
  f["items"] = json::array();
  for (const auto& item : folder.items) {
    json i;
    i["entryId"] = item->entryId;
    json props = json::object();
    for (const auto& [prop, value] : item->props) {
      switch (value.GetKind()) {
        case Variant::Kind::Boolean:
          props[PropName(prop)] = value == Variant(true);
          break;
        case Variant::Kind::Integer:
        case Variant::Kind::Long:
          props[PropName(prop)] = value.ToLong();
          break;
        default:
          props[PropName(prop)] = value.ToString();
          break;
      }
    }
    i["properties"] = props;
    if (!item->links.empty()) {
      i["links"] = json::array();
      for (const auto& link : item->links)
        i["links"].push_back({{"type", link.type}, {"name", link.name}});
    }
    f["items"].push_back(i);
  }
  f["folders"] = json::array();
  for (const auto& child : folder.folders) f["folders"].push_back(WriteFolder(*child));
  return f;
}

}  // namespace

StoreSet ParseStore(const std::string& text, const std::string& fileName) {
  json doc;
  try {
    doc = json::parse(text);
  } catch (const json::parse_error& e) {
    throw StoreFileError(fileName + ": not valid JSON (" + e.what() + ")");
  }
  return Reader(fileName).Read(doc);
}

StoreSet LoadStoreFile(const std::string& path) {
  std::ifstream in(FsPath(path), std::ios::binary);
  if (!in) throw StoreFileError(path + ": the file cannot be read");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ParseStore(text, path);
}

std::string FormatStore(const StoreSet& stores) {
  json doc;
  doc["format"] = kFormat;
  doc["stores"] = json::array();
  for (const auto& store : stores.stores) {
    doc["stores"].push_back(
        {{"name", store->name}, {"storeId", store->storeId}, {"root", WriteFolder(*store->root)}});
  }
  return doc.dump(1) + "\n";
}

void SaveStoreFile(const StoreSet& stores, const std::string& path) {
  const auto target = FsPath(path);
  auto temporary = target;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << FormatStore(stores);
    out.flush();
    if (!out) throw StoreFileError(path + ": the store could not be written");
  }
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    throw StoreFileError(path + ": the store could not be written");
  }
}

}  // namespace kov::outlook

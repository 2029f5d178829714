#include "outlook/StandInPage.h"

#include <fstream>
#include <iterator>
#include <pugixml.hpp>

#include "base/ComError.h"
#include "base/Text.h"
#include "base/TextFile.h"
#include "host/ClassRegistry.h"

namespace kov::outlook {

StandInStyle::StandInStyle(const std::string& inlineStyle) {
  for (const auto& declaration : Split(inlineStyle, ";")) {
    const size_t colon = declaration.find(':');
    if (colon == std::string::npos) continue;
    const std::string name = LCase(Trim(declaration.substr(0, colon)));
    if (!name.empty()) Set(name, Trim(declaration.substr(colon + 1)));
  }
}

std::string StandInStyle::Get(const std::string& property) const {
  for (const auto& [name, value] : properties_) {
    if (TextEquals(name, property)) return value;
  }
  return "";
}

void StandInStyle::Set(const std::string& property, const std::string& value) {
  for (auto& [name, existing] : properties_) {
    if (TextEquals(name, property)) {
      existing = value;
      return;
    }
  }
  properties_.emplace_back(LCase(property), value);
}

std::string StandInStyle::Text() const {
  std::string out;
  for (const auto& [name, value] : properties_) {
    if (!out.empty()) out += ";";
    out += name + ":" + value;
  }
  return out;
}

StandInElement::StandInElement(std::string tag, std::string id,
                               std::map<std::string, std::string> attributes)
    : tag_(std::move(tag)), id_(std::move(id)), attributes_(std::move(attributes)) {
  const auto style = attributes_.find("style");
  style_ = std::make_shared<StandInStyle>(style == attributes_.end() ? "" : style->second);
}

Variant StandInElement::GetAttribute(const std::string& name, int32_t /*flags*/) const {
  for (const auto& [key, value] : attributes_) {
    if (TextEquals(key, name)) return Variant(value);
  }
  return Variant::Null();
}

std::shared_ptr<StandInPage> StandInPage::Load(const std::string& path) {
  std::ifstream in(FsPath(path), std::ios::binary);
  if (!in)
    throw ComError(static_cast<int32_t>(0x800C0005), "Microsoft Office Outlook",
                   "The page \"" + path + "\" cannot be opened.");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed = doc.load_string(text.c_str());
  if (!parsed) {
    throw ComError(static_cast<int32_t>(0x800C0005), "Microsoft Office Outlook",
                   "The page \"" + path + "\" is not well-formed: " + parsed.description());
  }
  auto page = std::shared_ptr<StandInPage>(new StandInPage());
  page->path_ = path;
  struct Walker : pugi::xml_tree_walker {
    StandInPage* page;
    bool for_each(pugi::xml_node& node) override {
      if (node.type() != pugi::node_element) return true;
      std::map<std::string, std::string> attributes;
      for (const auto& attribute : node.attributes())
        attributes[attribute.name()] = attribute.value();
      std::string tag = LCase(node.name());
      auto element = std::make_shared<StandInElement>(tag, node.attribute("id").value(),
                                                      std::move(attributes));
      page->elements_.push_back(element);
      if (tag == "body" && !page->body_) page->body_ = element;
      return true;
    }
  } walker;
  walker.page = page.get();
  doc.traverse(walker);
  return page;
}

std::shared_ptr<host::HtmlElement> StandInPage::GetElementById(const std::string& id) const {
  for (const auto& element : elements_) {
    if (!id.empty() && element->Id() == id) return element;
  }
  return nullptr;
}

void StandInPage::CreateObjects(const std::function<void(StandInElement&)>& created) {
  for (const auto& element : elements_) {
    if (element->Tag() != "object") continue;
    const Variant classId = element->GetAttribute("classid", 0);
    if (classId.IsNull()) continue;
    const std::string text = classId.ToString();
    if (!TextEquals(Left(text, 7), "progid:")) continue;
    try {
      element->SetObject(host::Classes().CreateObject(Mid(text, 8)));
    } catch (const ComError&) {
      continue;  // the page shows an empty box where the object failed
    }
    if (created) created(*element);
  }
  const auto self = shared_from_this();
  for (const auto& element : elements_) {
    if (auto* hosted = dynamic_cast<host::PageObject*>(element->Object().get())) {
      hosted->PageLoaded(self);
    }
  }
}

void StandInPage::Unload() {
  for (const auto& element : elements_) {
    if (auto* hosted = dynamic_cast<host::PageObject*>(element->Object().get())) {
      hosted->PageUnloaded();
    }
  }
  for (const auto& element : elements_) element->SetObject(nullptr);
}

}  // namespace kov::outlook

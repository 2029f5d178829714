// A folder home page loaded by an explorer: an XHTML document whose object elements host objects
// created through the class registry (an object element names its class as
// classid="progid:NAME"), with elements by id, their inline styles and the body.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/HtmlDocument.h"

namespace kov::outlook {

class StandInStyle : public host::HtmlStyle {
 public:
  explicit StandInStyle(const std::string& inlineStyle);
  std::string Get(const std::string& property) const override;
  void Set(const std::string& property, const std::string& value) override;
  // "left:0px;top:0px" in the order properties were first set.
  std::string Text() const;

 private:
  std::vector<std::pair<std::string, std::string>> properties_;
};

class StandInElement : public host::HtmlElement {
 public:
  StandInElement(std::string tag, std::string id, std::map<std::string, std::string> attributes);
  std::string Id() const override { return id_; }
  Variant GetAttribute(const std::string& name, int32_t flags) const override;
  std::shared_ptr<host::HtmlStyle> Style() const override { return style_; }
  host::ObjectPtr Object() const override { return object_; }

  const std::string& Tag() const { return tag_; }
  void SetObject(host::ObjectPtr object) { object_ = std::move(object); }

 private:
  std::string tag_;
  std::string id_;
  std::map<std::string, std::string> attributes_;
  std::shared_ptr<StandInStyle> style_;
  host::ObjectPtr object_;
};

class StandInPage : public host::HtmlDocument, public std::enable_shared_from_this<StandInPage> {
 public:
  // Reads and parses the page; raises (a ComError) when it cannot be read or is not XHTML.
  static std::shared_ptr<StandInPage> Load(const std::string& path);

  std::shared_ptr<host::HtmlElement> GetElementById(const std::string& id) const override;
  std::shared_ptr<host::HtmlElement> Body() const override { return body_; }

  // Creates every object element's object through the class registry (a class that cannot be
  // created leaves the element without an object), then tells each object of its page.
  // `created` is called for each object before any is told, so that the host can bind it.
  void CreateObjects(const std::function<void(StandInElement&)>& created);
  // Tells every object the page is going away and releases them.
  void Unload();

  const std::string& Path() const { return path_; }
  const std::vector<std::shared_ptr<StandInElement>>& Elements() const { return elements_; }

 private:
  std::string path_;
  std::vector<std::shared_ptr<StandInElement>> elements_;
  std::shared_ptr<StandInElement> body_;
};

}  // namespace kov::outlook

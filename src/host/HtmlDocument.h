// The folder home page's html document, as the tab-bar control sees it: elements by id, an
// element's style, the object an object element hosts, and the body.
#pragma once

#include <memory>
#include <string>

#include "base/Variant.h"
#include "host/ComObject.h"

namespace kov::host {

class HtmlStyle : public ComObject {
 public:
  // A style property ("left", "top", "width", "height", …) as text, "" when unset.
  virtual std::string Get(const std::string& property) const = 0;
  virtual void Set(const std::string& property, const std::string& value) = 0;
};

class HtmlElement : public ComObject {
 public:
  virtual std::string Id() const = 0;
  // getAttribute(name, flags) of an attribute other than "style": its text, Null when absent.
  virtual Variant GetAttribute(const std::string& name, int32_t flags) const = 0;
  // getAttribute("style", 0) and the style property: the element's style object.
  virtual std::shared_ptr<HtmlStyle> Style() const = 0;
  // The object an object element hosts; null for other elements or a failed creation.
  virtual ObjectPtr Object() const = 0;
};

class HtmlDocument : public ComObject {
 public:
  // Null when no element has that id.
  virtual std::shared_ptr<HtmlElement> GetElementById(const std::string& id) const = 0;
  // Null when the page has no body.
  virtual std::shared_ptr<HtmlElement> Body() const = 0;
};

// An object a page hosts learns of its page (its Parent) once every object of the page exists,
// and is told when the page goes away.
class PageObject {
 public:
  virtual ~PageObject() = default;
  virtual void PageLoaded(const std::shared_ptr<HtmlDocument>& parent) = 0;
  virtual void PageUnloaded() = 0;
};

}  // namespace kov::host

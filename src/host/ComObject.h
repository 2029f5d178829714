// The base of every object the host hands out. Host objects are reference-counted
// (std::shared_ptr); a caller that needs a particular interface of an object it was given as a
// plain object asks for it with std::dynamic_pointer_cast, as COM code asks QueryInterface.
#pragma once

#include <memory>

namespace kov::host {

class ComObject {
 public:
  ComObject() = default;
  virtual ~ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;
};

using ObjectPtr = std::shared_ptr<ComObject>;

}  // namespace kov::host

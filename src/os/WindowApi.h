// Window handles: the system only ever asks whether a handle names a live window.
#pragma once

#include <cstdint>

namespace kov::os {

class WindowApi {
 public:
  WindowApi() = default;
  virtual ~WindowApi() = default;
  WindowApi(const WindowApi&) = delete;
  WindowApi& operator=(const WindowApi&) = delete;

  virtual bool IsWindow(int32_t hwnd) const = 0;
};

}  // namespace kov::os

// Window handles: forms take one while they are shown, and the system asks whether a handle
// names a live window.
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
  // A new handle for a window the add-in shows (a form), live until DestroyHandle.
  virtual int32_t CreateHandle() = 0;
  virtual void DestroyHandle(int32_t hwnd) = 0;
};

}  // namespace kov::os

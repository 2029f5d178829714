// The live window handles: forms register a handle while they are shown, so that IsWindow
// answers for them as it would for real windows.
#pragma once

#include <set>

#include "os/WindowApi.h"

namespace kov::substitute {

class WindowTable : public os::WindowApi {
 public:
  bool IsWindow(int32_t hwnd) const override { return live_.count(hwnd) > 0; }

  int32_t CreateHandle() override { return Create(); }
  void DestroyHandle(int32_t hwnd) override { Destroy(hwnd); }

  // A new handle, live until Destroy.
  int32_t Create() {
    const int32_t hwnd = next_;
    next_ += 2;
    live_.insert(hwnd);
    return hwnd;
  }
  void Destroy(int32_t hwnd) { live_.erase(hwnd); }

 private:
  std::set<int32_t> live_;
  int32_t next_ = 0x10010;
};

}  // namespace kov::substitute

// Named pictures for list views and strips: only their keys matter without a screen.
#pragma once

#include <string>
#include <vector>

namespace kov::forms {

class ImageList {
 public:
  void Add(const std::string& key) { keys_.push_back(key); }
  // 1-based index of a key, 0 when absent.
  int Index(const std::string& key) const {
    for (size_t i = 0; i < keys_.size(); ++i) {
      if (keys_[i] == key) return static_cast<int>(i + 1);
    }
    return 0;
  }
  int Count() const { return static_cast<int>(keys_.size()); }

 private:
  std::vector<std::string> keys_;
};

}  // namespace kov::forms

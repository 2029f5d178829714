// The view control's filter engine: a DASL filter text is compiled once (tokenized, parsed, its
// property names resolved) and then run over every item. Text comparisons and LIKE ignore letter
// case. LIKE matches as the host does: '%x%' contains, 'x%' starts with, '%x' ends with, 'x'
// equals, and a pattern made only of '%' has nothing to match and matches no item.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "outlook/StoreModel.h"

namespace kov::outlook {

class DaslError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class DaslFilter {
 public:
  // Raises DaslError with what is wrong and where. An empty (or blank) text lets every item
  // through.
  static DaslFilter Compile(const std::string& text);

  bool Matches(const ItemData& item, int32_t itemType) const;
  bool Empty() const { return root_ == nullptr; }

  struct Node;

 private:
  std::shared_ptr<const Node> root_;
};

}  // namespace kov::outlook

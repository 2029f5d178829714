// The number of the ComError an action raises, 0 when it raises none.
#pragma once

#include <cstdint>
#include <functional>

#include "base/ComError.h"

namespace kov::testing {

inline int32_t ErrorNumber(const std::function<void()>& action) {
  try {
    action();
  } catch (const ComError& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace kov::testing

// Using an object reference that is not set raises VB's error 91 ("Object variable or With block
// variable not set") instead of crashing, so that the caller's handler logs it like any failure.
#pragma once

#include <memory>

#include "base/ComError.h"

namespace kov {

template <typename T>
T& Required(const std::shared_ptr<T>& object) {
  if (!object) throw ComError::Vb(vberr::ObjectNotSet);
  return *object;
}

}  // namespace kov

#include "base/Variant.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "base/ComError.h"
#include "base/Text.h"

namespace kov {

std::string Variant::ToString() const {
  switch (GetKind()) {
    case Kind::Empty:
      return "";
    case Kind::Boolean:
      return std::get<bool>(value_) ? "True" : "False";
    case Kind::Integer:
      return std::to_string(std::get<int16_t>(value_));
    case Kind::Long:
      return std::to_string(std::get<int32_t>(value_));
    case Kind::Double: {
      std::ostringstream out;
      out.precision(15);
      out << std::get<double>(value_);
      return out.str();
    }
    case Kind::String:
      return std::get<std::string>(value_);
    case Kind::Null:
    case Kind::Bytes:
      break;
  }
  throw ComError::Vb(vberr::TypeMismatch);
}

int32_t Variant::ToLong() const {
  switch (GetKind()) {
    case Kind::Empty:
      return 0;
    case Kind::Boolean:
      return std::get<bool>(value_) ? -1 : 0;
    case Kind::Integer:
      return std::get<int16_t>(value_);
    case Kind::Long:
      return std::get<int32_t>(value_);
    case Kind::Double: {
      const double rounded = std::nearbyint(std::get<double>(value_));
      if (rounded < -2147483648.0 || rounded > 2147483647.0) break;
      return static_cast<int32_t>(rounded);
    }
    case Kind::String: {
      const std::string text = Trim(std::get<std::string>(value_));
      int32_t result = 0;
      auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), result);
      if (ec == std::errc() && end == text.data() + text.size() && !text.empty()) return result;
      break;
    }
    case Kind::Null:
    case Kind::Bytes:
      break;
  }
  throw ComError::Vb(vberr::TypeMismatch);
}

}  // namespace kov

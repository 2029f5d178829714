// A Variant holds a value of any of the kinds the registry and defaults pass around: Empty,
// Null, Boolean, Integer (16-bit), Long (32-bit), Double, String and a byte array. The kinds
// follow VB's so that "returns the default unchanged, of whatever kind it was passed as" can
// be checked.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace kov {

struct VariantEmpty {
  bool operator==(const VariantEmpty&) const = default;
};
struct VariantNull {
  bool operator==(const VariantNull&) const = default;
};

using ByteArray = std::vector<uint8_t>;

class Variant {
 public:
  enum class Kind { Empty, Null, Boolean, Integer, Long, Double, String, Bytes };

  Variant() = default;
  static Variant Null() { return Variant(VariantNull{}); }
  Variant(bool value) : value_(value) {}
  Variant(int16_t value) : value_(value) {}
  Variant(int32_t value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(std::string value) : value_(std::move(value)) {}
  Variant(const char* value) : value_(std::string(value)) {}
  Variant(ByteArray value) : value_(std::move(value)) {}

  Kind GetKind() const { return static_cast<Kind>(value_.index()); }
  bool IsEmpty() const { return GetKind() == Kind::Empty; }
  bool IsNull() const { return GetKind() == Kind::Null; }
  bool IsInteger() const { return GetKind() == Kind::Integer || GetKind() == Kind::Long; }

  // VB's CStr: numbers in decimal, booleans as "True"/"False", Empty as "". Null and byte
  // arrays cannot be turned into text (error 94 and 13 in VB); they raise Type mismatch here.
  std::string ToString() const;
  // VB's CLng for the integer and boolean kinds, and for text holding a decimal number.
  int32_t ToLong() const;

  const std::string& AsString() const { return std::get<std::string>(value_); }
  const ByteArray& AsBytes() const { return std::get<ByteArray>(value_); }

  bool operator==(const Variant& other) const = default;

 private:
  explicit Variant(VariantNull null) : value_(null) {}

  std::variant<VariantEmpty, VariantNull, bool, int16_t, int32_t, double, std::string, ByteArray>
      value_;
};

}  // namespace kov

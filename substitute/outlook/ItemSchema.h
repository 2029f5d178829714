// The item properties the stand-in knows, by their object-model names, and which item types
// carry which. Items keep their properties by these ids so that a compiled filter reads a value
// without looking a name up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Variant.h"

namespace kov::outlook {

enum class Prop : uint8_t {
  Subject,
  Body,
  Categories,
  SenderName,
  SenderEmailAddress,
  To,
  CC,
  UnRead,
  FlagStatus,
  Attachments,
  FullName,
  CompanyName,
  Email1Address,
  BusinessAddressCountry,
  HomeAddressCountry,
  MailingAddressCountry,
  OtherAddressCountry,
  BusinessAddressCity,
  HomeAddressCity,
  MailingAddressCity,
  OtherAddressCity,
  Location,
  Label,
  Status,
  Color,
  Count  // not a property
};

enum class PropKind { Text, Integer, Boolean };

// The object-model name ("SenderName").
const char* PropName(Prop prop);
PropKind PropKindOf(Prop prop);
// The id of an object-model name (letter case ignored).
std::optional<Prop> PropByName(const std::string& name);
// Whether items of a DefaultItemType (0 mail … 5 note) have the property.
bool TypeHasProp(int32_t itemType, Prop prop);
// The value a property has on an item that never set it ("", 0 or False).
Variant EmptyValue(Prop prop);
// The item class (OlObjectClass) of the items of a DefaultItemType.
int32_t ItemClassOf(int32_t itemType);

}  // namespace kov::outlook

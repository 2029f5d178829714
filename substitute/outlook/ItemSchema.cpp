#include "outlook/ItemSchema.h"

#include "base/Text.h"
#include "host/Items.h"

namespace kov::outlook {
namespace {

struct PropInfo {
  const char* name;
  PropKind kind;
  // Bit n set: items of DefaultItemType n have the property.
  uint8_t types;
};

constexpr uint8_t kMail = 1 << 0;
constexpr uint8_t kAppt = 1 << 1;
constexpr uint8_t kContact = 1 << 2;
constexpr uint8_t kTask = 1 << 3;
constexpr uint8_t kJournal = 1 << 4;
constexpr uint8_t kNote = 1 << 5;
constexpr uint8_t kAll = 0x3F;

constexpr PropInfo kProps[] = {
    {"Subject", PropKind::Text, kAll},
    {"Body", PropKind::Text, kAll},
    {"Categories", PropKind::Text, kAll},
    {"SenderName", PropKind::Text, kMail},
    {"SenderEmailAddress", PropKind::Text, kMail},
    {"To", PropKind::Text, kMail},
    {"CC", PropKind::Text, kMail},
    {"UnRead", PropKind::Boolean, kMail | kAppt | kContact | kTask | kJournal},
    {"FlagStatus", PropKind::Integer, kMail},
    {"Attachments", PropKind::Integer, kMail | kAppt | kContact | kTask | kJournal},
    {"FullName", PropKind::Text, kContact},
    {"CompanyName", PropKind::Text, kContact},
    {"Email1Address", PropKind::Text, kContact},
    {"BusinessAddressCountry", PropKind::Text, kContact},
    {"HomeAddressCountry", PropKind::Text, kContact},
    {"MailingAddressCountry", PropKind::Text, kContact},
    {"OtherAddressCountry", PropKind::Text, kContact},
    {"BusinessAddressCity", PropKind::Text, kContact},
    {"HomeAddressCity", PropKind::Text, kContact},
    {"MailingAddressCity", PropKind::Text, kContact},
    {"OtherAddressCity", PropKind::Text, kContact},
    {"Location", PropKind::Text, kAppt},
    {"Label", PropKind::Integer, kAppt},
    {"Status", PropKind::Integer, kTask},
    {"Color", PropKind::Integer, kNote},
};
static_assert(std::size(kProps) == static_cast<size_t>(Prop::Count));

const PropInfo& Info(Prop prop) { return kProps[static_cast<size_t>(prop)]; }

}  // namespace

const char* PropName(Prop prop) { return Info(prop).name; }

PropKind PropKindOf(Prop prop) { return Info(prop).kind; }

std::optional<Prop> PropByName(const std::string& name) {
  for (size_t i = 0; i < std::size(kProps); ++i) {
    if (TextEquals(kProps[i].name, name)) return static_cast<Prop>(i);
  }
  return std::nullopt;
}

bool TypeHasProp(int32_t itemType, Prop prop) {
  if (itemType < 0 || itemType > 5) return false;
  return (Info(prop).types & (1 << itemType)) != 0;
}

Variant EmptyValue(Prop prop) {
  switch (PropKindOf(prop)) {
    case PropKind::Integer:
      return Variant(int32_t{0});
    case PropKind::Boolean:
      return Variant(false);
    case PropKind::Text:
      break;
  }
  return Variant("");
}

int32_t ItemClassOf(int32_t itemType) {
  static constexpr int32_t kClasses[] = {host::olMail, host::olAppointment, host::olContact,
                                         host::olTask, host::olJournal,     host::olNote};
  return itemType >= 0 && itemType <= 5 ? kClasses[itemType] : host::olMail;
}

}  // namespace kov::outlook

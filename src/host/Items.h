// Outlook items as the add-in reads them: the subject, the contacts linked to an item, and any
// property by its object-model name (ItemProperties.Item(name).Value).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Variant.h"
#include "host/ComObject.h"

namespace kov::host {

// Item classes (OlObjectClass) of the item types the add-in meets.
inline constexpr int32_t olAppointment = 26;
inline constexpr int32_t olContact = 40;
inline constexpr int32_t olJournal = 42;
inline constexpr int32_t olMail = 43;
inline constexpr int32_t olNote = 44;
inline constexpr int32_t olTask = 48;

// A link of an item to another item; Type 40 links a contact.
struct Link {
  int32_t Type = olContact;
  std::string Name;
};

class Item : public ComObject {
 public:
  virtual int32_t Class() const = 0;
  virtual std::string EntryID() const = 0;
  virtual std::string Subject() const = 0;
  virtual std::vector<Link> Links() const = 0;
  // ItemProperties.Item(name).Value. Raises (a ComError) for a property the item's type does
  // not have; a property the type has but the item never set reads as its empty value.
  virtual Variant ItemProperty(const std::string& name) const = 0;
};

using ItemPtr = std::shared_ptr<Item>;

class Items : public ComObject {
 public:
  virtual int32_t Count() const = 0;
  // 1-based; raises for an index outside 1..Count.
  virtual ItemPtr Item(int32_t index) const = 0;
  // Every item once, in the folder's order.
  virtual std::vector<ItemPtr> All() const = 0;
};

}  // namespace kov::host

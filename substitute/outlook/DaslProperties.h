// The one table from DASL property names to item properties. Names in the httpmail, contacts,
// calendar, office and DAV namespaces must be known; a well-formed MAPI name (a property tag, or
// a property set and id) that no item carries is valid and reads as absent, as in the host.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "outlook/ItemSchema.h"

namespace kov::outlook {

inline constexpr const char* kPropTagPrefix = "http://schemas.microsoft.com/mapi/proptag/";
inline constexpr const char* kMapiIdPrefix = "http://schemas.microsoft.com/mapi/id/";

enum class DaslSource {
  Property,       // an item property as it is
  Read,           // not UnRead
  HasAttachment,  // Attachments > 0
  False,          // DAV:isfolder and DAV:ishidden of an item
  LinkNames,      // the linked contacts' names as one text, "; " between them
  LinkNameList,   // the linked contacts' names as a multi-valued property
  Absent,         // a MAPI property no item carries
};

struct DaslProperty {
  DaslSource source = DaslSource::Absent;
  Prop prop = Prop::Subject;  // for Property, Read and HasAttachment
};

// The property a DASL name stands for; nullopt for a name the host rejects.
std::optional<DaslProperty> ResolveDaslName(const std::string& name);

// Every DASL name the table maps, for tests and documentation.
std::vector<std::string> KnownDaslNames();

}  // namespace kov::outlook

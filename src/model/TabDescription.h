// One tab: the caption it shows and the DASL filter it applies (on a views bar, the name of an
// Outlook view). Records are passed and stored by value.
#pragma once

#include <string>

namespace kov {

struct TabDescription {
  std::string TabCaption;
  std::string TabFilter;
  // Declared by the stored format's era; never set or read.
  std::string TabKey;

  bool operator==(const TabDescription&) const = default;
};

}  // namespace kov

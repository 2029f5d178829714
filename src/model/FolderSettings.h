// A folder's common switches, kept per user in the registry as a 12-digit text (one digit per
// field). Every switch holds 0 or 1, ViewIndex 0 to 3; element 4 of the arrays is never used.
#pragma once

#include <array>
#include <cstdint>

namespace kov {

struct FolderSettings {
  int16_t Enabled = 0;
  int16_t WithViews = 0;
  int16_t ViewIndex = 0;
  std::array<int16_t, 5> TabEnabled{};
  int16_t SaveLastClick = 0;
  std::array<int16_t, 5> MultiLine{};

  bool operator==(const FolderSettings&) const = default;
};

}  // namespace kov

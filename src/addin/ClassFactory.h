// The add-in's classes by ProgID, as its module's class factory hands them out.
#pragma once

#include <string>

#include "host/ComObject.h"

namespace kov {

// A new object of "Kovelin.dsrBrastow" or "Kovelin.BrastowOptions"; null for any other ProgID.
host::ObjectPtr CreateKovelinObject(const std::string& progId);

// The ProgIDs the module registers.
inline constexpr const char* kKovelinProgIds[] = {"Kovelin.dsrBrastow", "Kovelin.BrastowOptions",
                                                  "Kovelin.BrastowTabs"};

}  // namespace kov

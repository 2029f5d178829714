#include "addin/ClassFactory.h"

#include "addin/dsrBrastow.h"
#include "base/Text.h"
#include "options/BrastowOptions.h"
#include "tabbar/BrastowTabs.h"

namespace kov {

host::ObjectPtr CreateKovelinObject(const std::string& progId) {
  if (TextEquals(progId, dsrBrastow::kProgId)) return std::make_shared<dsrBrastow>();
  if (TextEquals(progId, "Kovelin.BrastowOptions")) return std::make_shared<BrastowOptions>();
  if (TextEquals(progId, BrastowTabs::kProgId)) return std::make_shared<BrastowTabs>();
  return nullptr;
}

}  // namespace kov

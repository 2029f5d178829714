#include "wizard/RunFolderWizard.h"

namespace kov {

bool RunFolderWizard(Ctab4& /*folderTabs*/, int32_t /*barMask*/, FolderSettings& /*settings*/,
                     bool /*replace*/) {
  return false;
}

}  // namespace kov

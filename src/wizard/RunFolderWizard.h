// The folder wizard's entry point: sets up the bars chosen by `barMask` (4 Top, 8 Right, 16 Bottom,
// 32 Left) of the folder tab set's folder from an analysis of its items.
#pragma once

#include <cstdint>

#include "model/Ctab4.h"
#include "model/FolderSettings.h"

namespace kov {

// True when the wizard finished; `settings` then holds the settings it chose. Until the wizard is
// part of the add-in it answers as if the person had cancelled it.
bool RunFolderWizard(Ctab4& folderTabs, int32_t barMask, FolderSettings& settings, bool replace);

}  // namespace kov

// The folder options page that the add-in adds to a folder's Properties dialog (ProgID
// "Kovelin.BrastowOptions"). The page's controls come with the folder options dialog; until then
// it carries the folder it was made for.
#pragma once

#include "host/ComObject.h"
#include "host/Folder.h"

namespace kov {

class BrastowOptions : public host::ComObject {
 public:
  host::FolderPtr Folder;
};

}  // namespace kov

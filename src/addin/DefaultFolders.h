// Reads the display names of the host's default folders into the process state, as start-up
// does: Sent Items, Deleted Items, Drafts, Inbox and Outbox (a failure raises), then, ignoring
// errors, Junk E-mail and the list of folders never offered tab bars.
#pragma once

#include <memory>

#include "host/NameSpace.h"

namespace kov {

void ReadDefaultFolderNames(const std::shared_ptr<host::NameSpace>& nameSpace);

}  // namespace kov

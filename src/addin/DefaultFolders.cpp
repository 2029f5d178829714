#include "addin/DefaultFolders.h"

#include "addin/ProcessState.h"

namespace kov {
namespace {

std::string NameOrEmpty(const std::shared_ptr<host::NameSpace>& nameSpace, int32_t folder) {
  try {
    return nameSpace->GetDefaultFolder(folder)->Name();
  } catch (...) {
    return "";  // a folder this host does not have adds nothing
  }
}

}  // namespace

void ReadDefaultFolderNames(const std::shared_ptr<host::NameSpace>& nameSpace) {
  ProcessState& g = G();
  g.gstrSentItems = nameSpace->GetDefaultFolder(host::olFolderSentMail)->Name();
  g.gstrDeletedItems = nameSpace->GetDefaultFolder(host::olFolderDeletedItems)->Name();
  g.gstrDrafts = nameSpace->GetDefaultFolder(host::olFolderDrafts)->Name();
  g.gstrInbox = nameSpace->GetDefaultFolder(host::olFolderInbox)->Name();
  g.gstrOutbox = nameSpace->GetDefaultFolder(host::olFolderOutbox)->Name();
  g.gstrJunk = NameOrEmpty(nameSpace, host::olFolderJunk);
  g.gstrExcludedFolders = g.gstrDeletedItems + g.gstrDrafts + g.gstrJunk + g.gstrOutbox;
  for (int32_t folder : {host::olFolderJournal, host::olFolderConflicts, host::olFolderSyncIssues,
                         host::olFolderServerFailures}) {
    g.gstrExcludedFolders += NameOrEmpty(nameSpace, folder);
  }
}

}  // namespace kov

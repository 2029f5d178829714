#include "Demo.h"

namespace kov::sim {

std::vector<std::string> DemoScript() {
  return {
      "# Outlook starts with a window on the Inbox of the sample store.",
      "explorer open",
      "show explorers",
      "show folder",
      "expect home page: off",
      "",
      "# Folders, views and the selection, as the add-in sees them.",
      "enter \"\\\\Personal Folders\\Notes\"",
      "view \"Notes List\"",
      "show items",
      "expect items: 30",
      "select 1 2",
      "context-menu",
      "",
      "# The general options: ask on first entry, and offer Create Tab by Sender/Recipient.",
      "type \"Kovelin Organizer Options\" chkContextMenu 1",
      "answer \"Kovelin Organizer Options\" OK",
      "options",
      "show registry \"HKEY_CURRENT_USER\\Software\\Zenquor\\Kovelin Organizer\\Folders\"",
      "expect \"AllFolders\"=\"11\"",
      "",
      "# The first-entry prompt for the Calendar: Help first, then No.",
      "answer \"Kovelin Organizer - Activation\" Help",
      "answer \"Kovelin Organizer - Activation\" No",
      "prompt \"\\\\Personal Folders\\Calendar\"",
      "expect Result: 7",
      "show helpcalls",
      "",
      "wait 10",
      "explorer close",
  };
}

}  // namespace kov::sim

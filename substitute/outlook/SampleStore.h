// The built-in sample store: generated the same way every time, so that the demo and tests see
// the same folders, items and entry ids on every run.
#pragma once

#include "outlook/StoreModel.h"

namespace kov::outlook {

// "Personal Folders" with every default folder filled (Inbox, Sent Items, Contacts, Calendar,
// Tasks, Notes, Journal, …), a "Search Folders" folder, a "Projects" mail folder with
// sub-folders and several views per folder; then "Archive Folders" and a "Hotmail" store.
StoreSet BuildSampleStore();

}  // namespace kov::outlook

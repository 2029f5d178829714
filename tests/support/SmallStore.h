// A small store whose every item is known by name, for tests that need to see exactly which
// items a filter or an operation touches.
#pragma once

#include "outlook/StoreModel.h"

namespace kov::testing {

// "Mailbox" with Inbox (mails m1..m5), Sent Items (s1, s2), Contacts (c1..c3), Calendar (a1, a2),
// Tasks (t1..t3), Notes (n1, n2), Outbox, "Search Folders\Found", and the default folders 3, 4, 5,
// 6, 11, 13, 16, 19, 20, 22, 23; and a second store "Second" with one mail folder "Other".
// Each item's Subject is its name.
outlook::StoreSet SmallStore();

}  // namespace kov::testing

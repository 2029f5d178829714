// The rename question and the two confirmations that several dialogs share.
#pragma once

#include <string>

namespace kov {

// The new caption, or "" when the person cancelled.
std::string AskTabCaption(const std::string& caption);
// "Do you want to remove Tab "names"?"; true for Yes.
bool ConfirmRemoveTab(const std::string& names);
// True when the person agrees to merging the selected tabs.
bool ConfirmMergeTabs();

}  // namespace kov

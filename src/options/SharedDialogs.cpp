#include "options/SharedDialogs.h"

#include "base/Text.h"
#include "forms/ModalDriver.h"
#include "options/frmRename.h"
#include "platform/HelpTopics.h"

namespace kov {

using namespace kov::forms;

std::string AskTabCaption(const std::string& caption) {
  frmRename dialog;
  dialog.strCaption = caption;
  dialog.ShowModal();
  return dialog.strCaption;
}

bool ConfirmRemoveTab(const std::string& names) {
  return MsgBox(Replace("Do you want to remove Tab \"#\"?", "#", names),
                vbYesNo | vbExclamation | vbMsgBoxHelpButton, "Kovelin Organizer - Delete Tab",
                help::HelpFilePath(), help::kContextRemoveTab) == vbYes;
}

bool ConfirmMergeTabs() {
  return MsgBox(
             "Kovelin Organizer will merge the selected Tabs into one Tab. Afterwards you can "
             "rename this Tab",
             vbOKCancel | vbExclamation | vbMsgBoxHelpButton, "Kovelin Organizer - Merge Tabs",
             help::HelpFilePath(), help::kContextMergeTabs) == vbOK;
}

}  // namespace kov

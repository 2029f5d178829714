#include "options/frmFirstEnableAsk.h"

#include "base/Text.h"
#include "platform/HelpTopics.h"

namespace kov {
namespace {

const char* const kQuestion =
    "Do you want to enable Kovelin Organizer for \"#\" folder?\r\n\r\n"
    "\u2022 Click \u201CYes\u201D to start the Wizard for the setup of Tabs.\r\n"
    "\u2022 Click \u201CNo\u201D to disable this notification for this folder.\r\n"
    "\u2022 Click \u201CNo to All\u201D to disable this notification for all folders.\r\n"
    "\u2022 Click \u201CCancel\u201D to ignore this notification. You will be asked once again "
    "when you enter this folder the next time.\r\n";

}  // namespace

frmFirstEnableAsk::frmFirstEnableAsk() : Form("Kovelin Organizer - Activation") {
  Label1.Caption = kQuestion;
  cmdYes.Caption = "Yes";
  cmdYes.Default = true;
  cmdNo.Caption = "No";
  cmdNo.Cancel = true;
  cmdNoToAll.Caption = "No to All";
  cmdCancel.Caption = "Cancel";
  cmdHelp.Caption = "Help";
  cmdYes.Click = [this] { Answer(6); };
  cmdNo.Click = [this] { Answer(7); };
  cmdNoToAll.Click = [this] { Answer(2); };
  cmdCancel.Click = [this] { Answer(5); };
  cmdHelp.Click = [] { help::ShowHelpTopic(help::kFirstEntryPrompt); };
}

void frmFirstEnableAsk::Form_Load() {
  const std::string name = Folder ? Folder->Name() : "";
  Label1.Caption = Replace(Label1.Caption, "#", name);
  Caption = Replace(Caption, "#", name);
  Result = 5;
}

void frmFirstEnableAsk::Answer(int16_t result) {
  Result = result;
  Folder.reset();
  Unload();
}

int16_t AskFirstEnable(const host::FolderPtr& folder) {
  frmFirstEnableAsk prompt;
  prompt.Folder = folder;
  prompt.ShowModal();
  return prompt.Result;
}

}  // namespace kov

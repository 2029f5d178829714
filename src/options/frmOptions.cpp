#include "options/frmOptions.h"

#include "addin/ProcessState.h"
#include "base/ErrorHandler.h"
#include "base/Required.h"
#include "base/Text.h"
#include "forms/ModalDriver.h"
#include "platform/HelpTopics.h"

namespace kov {

std::string ReadAllFolders() {
  const std::string stored =
      Required(G().gobjRegistry).GetValue(G().gstrRegFolders, "AllFolders", "10").ToString();
  return Left(stored + "0", 2);
}

frmOptions::frmOptions() : Form("Kovelin Organizer Options") {
  tbsOptions.Tabs().Add(1, "", "Kovelin Organizer", 0);
  chkAllFolder.Caption = "Ask whether to enable Kovelin Organizer when you enter the folder";
  lblAllFolder.Caption =
      "This option allows the \u201CKovelin Organizer - Activation\u201D notification \r\nto "
      "appear when you enter the folder for the first time.\r\n";
  chkContextMenu.Caption = "Enable \"Create Tab by Sender/Recipient\"";
  lblContextMenu.Caption =
      "This option enables the \u201CCreate Tab by Sender/Recipient\u201D item on the menu that "
      "appears when you right-click on mails\r\n";
  cmdPWords.Caption = "Customize keyword lists\u2026";
  cmdPWords.ToolTipText = "Opens user-defined keyword lists for customizing";
  cmdOK.Caption = "OK";
  cmdOK.Default = true;
  cmdCancel.Caption = "Cancel";
  cmdCancel.Cancel = true;
  cmdApply.Caption = "Apply";
  cmdApply.Enabled = false;
  cmdHelp.Caption = "Help";

  chkAllFolder.Click = [this] { cmdApply.Enabled = true; };
  chkContextMenu.Click = [this] { cmdApply.Enabled = true; };
  cmdApply.Click = [this] {
    cmdApply.Enabled = false;
    Save();
  };
  cmdOK.Click = [this] {
    Save();
    Unload();
  };
  cmdCancel.Click = [this] { Unload(); };
  cmdHelp.Click = [] { help::ShowHelpTopic(help::kGeneralOptions); };
  cmdPWords.Click = [] {
    // The keyword lists editor is not part of this build yet.
    forms::MsgBox("The keyword lists editor is not available yet.", forms::vbInformation,
                  "Kovelin Organizer");
  };
}

void frmOptions::Form_Load() {
  try {
    const std::string allFolders = ReadAllFolders();
    chkAllFolder.SetValue(static_cast<int16_t>(Val(Left(allFolders, 1))));
    chkContextMenu.SetValue(static_cast<int16_t>(Val(Mid(allFolders, 2, 1))));
    cmdApply.Enabled = false;
  } catch (...) {
    HandleError(G().gobjLib.get(), "frmOptions.Form_Load");
  }
}

void frmOptions::Save() {
  try {
    int32_t type = 1;
    Required(G().gobjRegistry)
        .SetValue(G().gstrRegFolders, "AllFolders",
                  std::to_string(chkAllFolder.Value()) + std::to_string(chkContextMenu.Value()),
                  type);
  } catch (...) {
    HandleError(G().gobjLib.get(), "frmOptions.SaveSettings");
  }
}

}  // namespace kov

#include "options/frmRename.h"

#include "base/Text.h"
#include "platform/HelpTopics.h"

namespace kov {

frmRename::frmRename() : Form("Kovelin Organizer - Rename Tab") {
  lblPrompt.Caption = "Change the caption of Tab:";
  cmdOK.Caption = "OK";
  cmdOK.Default = true;
  cmdOK.Enabled = false;
  cmdCancel.Caption = "Cancel";
  cmdCancel.Cancel = true;
  cmdHelp.Caption = "Help";
  // Captions are stored joined by "|", so a caption holding one would come back as two tabs.
  txtNewCaption.Change = [this] {
    const std::string text = txtNewCaption.Text();
    cmdOK.Enabled = !Trim(text).empty() && text.find('|') == std::string::npos;
  };
  cmdOK.Click = [this] {
    strCaption = txtNewCaption.Text();
    Unload();
  };
  cmdCancel.Click = [this] {
    strCaption.clear();
    Unload();
  };
  cmdHelp.Click = [] { help::ShowHelpTopic(help::kRenameTabs); };
}

void frmRename::Form_Load() { txtNewCaption.SetText(strCaption); }

}  // namespace kov

// The rename dialog shared by the tab management dialog, the tab bar's menu and the wizard.
#pragma once

#include <string>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace kov {

class frmRename : public forms::Form {
 public:
  frmRename();

  // In: the caption to edit. Out: the new caption as typed, "" when cancelled, or unchanged
  // when the window was closed by its frame.
  std::string strCaption;

  forms::Label lblPrompt{this, "lblPrompt"};
  forms::TextBox txtNewCaption{this, "txtNewCaption"};
  forms::Button cmdOK{this, "cmdOK"};
  forms::Button cmdCancel{this, "cmdCancel"};
  forms::Button cmdHelp{this, "cmdHelp"};

 protected:
  void Form_Load() override;
};

}  // namespace kov

// The first-entry prompt: asks whether to enable the add-in for a folder the user has just
// entered. Result: 6 Yes, 7 No, 2 No to All, 5 Cancel (also when the window is closed).
#pragma once

#include <cstdint>

#include "forms/Controls.h"
#include "forms/Form.h"
#include "host/Folder.h"

namespace kov {

class frmFirstEnableAsk : public forms::Form {
 public:
  frmFirstEnableAsk();

  host::FolderPtr Folder;
  int16_t Result = 5;

  forms::PictureBox picLogo{this, "picLogo"};
  forms::Label Label1{this, "Label1"};
  forms::Button cmdYes{this, "cmdYes"};
  forms::Button cmdNo{this, "cmdNo"};
  forms::Button cmdNoToAll{this, "cmdNoToAll"};
  forms::Button cmdCancel{this, "cmdCancel"};
  forms::Button cmdHelp{this, "cmdHelp"};

 protected:
  void Form_Load() override;

 private:
  void Answer(int16_t result);
};

// Shows the prompt for a folder and returns its Result.
int16_t AskFirstEnable(const host::FolderPtr& folder);

}  // namespace kov

// The general options: whether entering a folder for the first time asks to enable the add-in,
// and whether the "Create Tab by Sender/Recipient" command is offered. Both live in the
// registry value "AllFolders" as two digits.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TabStrip.h"

namespace kov {

class frmOptions : public forms::Form {
 public:
  frmOptions();

  forms::TabStrip tbsOptions{this, "tbsOptions"};
  forms::CheckBox chkAllFolder{this, "chkAllFolder"};
  forms::Label lblAllFolder{this, "lblAllFolder"};
  forms::CheckBox chkContextMenu{this, "chkContextMenu"};
  forms::Label lblContextMenu{this, "lblContextMenu"};
  forms::Button cmdPWords{this, "cmdPWords"};
  forms::Button cmdOK{this, "cmdOK"};
  forms::Button cmdCancel{this, "cmdCancel"};
  forms::Button cmdApply{this, "cmdApply"};
  forms::Button cmdHelp{this, "cmdHelp"};

 protected:
  void Form_Load() override;

 private:
  void Save();
};

// Reads "AllFolders" as the general options and the explorer do: default "10", a "0" appended,
// the first two characters kept.
std::string ReadAllFolders();

}  // namespace kov

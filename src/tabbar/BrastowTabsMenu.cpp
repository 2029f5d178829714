// The bar menu, the keyboard shortcuts and moving whole bars by dragging them.
#include <cmath>

#include "addin/ProcessState.h"
#include "base/ComError.h"
#include "base/ErrorHandler.h"
#include "base/Required.h"
#include "base/Text.h"
#include "explorer/mdlShare.h"
#include "forms/ModalDriver.h"
#include "model/FolderCommonSettings.h"
#include "options/SharedDialogs.h"
#include "platform/HelpTopics.h"
#include "tabbar/BrastowTabs.h"
#include "wizard/RunFolderWizard.h"

namespace kov {
namespace {

constexpr double kTwipsPerPixel = 15;
constexpr int32_t kRightButton = 2;
constexpr int32_t kLeftButton = 1;
constexpr int32_t kAltMask = 4;
constexpr const char* kTempView = "TempViewKovelinOrganizer";

}  // namespace

void BrastowTabs::BuildMenu() {
  mnuRename_ = &mnuMainOptions_.AddItem("mnuRename", "&Rename...");
  mnuFilter_ = &mnuMainOptions_.AddItem("mnuFilter", "Change &Filter criteria\u2026");
  mnuRemove_ = &mnuMainOptions_.AddItem("mnuRemove", "&Delete...");
  mnuBl1_ = &mnuMainOptions_.AddItem("mnuBl1", "-");
  mnuManage_ = &mnuMainOptions_.AddItem("mnuManage", "&Manage this Tab Bar...");
  mnuWizard_ = &mnuMainOptions_.AddItem("mnuWizard", "&Wizard to setup Tabs\u2026");
  mnuCustomizeView_ = &mnuMainOptions_.AddItem("mnuCustomizeView", "&Customize current view");
  mnubl2_ = &mnuMainOptions_.AddItem("mnubl2", "-");
  auto& options = mnuMainOptions_.AddItem("mnuOptions", "Folder &Options...");
  mnuSaveSelection_ = &mnuMainOptions_.AddItem("mnuSaveSelection", "&Save current Tab selection");
  mnuMainOptions_.AddItem("mnubl3", "-");
  auto& about = mnuMainOptions_.AddItem("mnuAbout", "About &Kovelin Organizer");
  auto& helpItem = mnuMainOptions_.AddItem("mnuHelp", "&Help");

  mnuRename_->Click = [this] { mnuRename_Click(); };
  mnuFilter_->Click = [this] { mnuFilter_Click(); };
  mnuRemove_->Click = [this] { mnuRemove_Click(); };
  mnuManage_->Click = [this] { mnuManage_Click(); };
  mnuWizard_->Click = [this] { mnuWizard_Click(); };
  mnuCustomizeView_->Click = [this] { Required(mvarViewCtl_).CustomizeView(); };
  options.Click = [this] { ScheduleFolderProperties(Required(mvarFolderTabs_).Folder()); };
  mnuSaveSelection_->Click = [this] { mnuSaveSelection_Click(); };
  about.Click = [] { Required(G().gobjLib).ShowAbout(); };
  helpItem.Click = [] { help::ShowHelpTopic(""); };
  mnuWizard_->Tag = "-1";
}

void BrastowTabs::ShowSaveSelection() {
  mnuSaveSelection_->Visible = true;
  mnuSaveSelection_->Enabled = mvarCommon_.SaveLastClick == 0;
}

void BrastowTabs::StripMouseUp(int16_t position, int32_t button, double xTwips, double yTwips) {
  if (button != kRightButton) return;
  forms::TabStrip& strip = GetTabStrip(position);
  const int32_t tab = strip.HitTest(xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel);
  if (tab > 0) strip.Tabs().Item(tab).SetSelected(true);
  ShowBarMenu(position);
}

void BrastowTabs::ShowBarMenu(int16_t position) {
  mvarMenuBar_ = position;
  const CTabPtr& bar = mvarBars_[static_cast<size_t>(position)];
  const bool views = bar && bar->Views();
  auto* selected = GetTabStrip(position).SelectedItem();
  const int32_t s = selected != nullptr ? selected->Index() : 0;
  mnuFilter_->Visible = s > 1 && !views;
  mnuRename_->Visible = mnuFilter_->Visible || views;
  mnuRemove_->Visible = mnuRename_->Visible;
  mnuBl1_->Visible = mnuRename_->Visible;
  ShowSaveSelection();
  mnuManage_->Visible = true;
  mnuCustomizeView_->Visible = views;
  mnuWizard_->Tag = std::to_string(position);
  mvarMenuOpen_ = true;
  forms::CurrentModalDriver().PopupMenu(mnuMainOptions_);
  mvarMenuOpen_ = false;
}

void BrastowTabs::picMNU_Click() {
  mnuManage_->Visible = false;
  mnuFilter_->Visible = false;
  mnuRename_->Visible = false;
  mnuRemove_->Visible = false;
  mnubl2_->Visible = false;
  mnuCustomizeView_->Visible = false;
  ShowSaveSelection();
  mnuWizard_->Tag = "-1";
  if (mnuWizard_->Enabled) {
    try {
      const int32_t type = Required(mvarFolderTabs_).Folder()->DefaultItemType();
      mnuWizard_->Enabled = type == 0 || type == 1 || type == 2 || type == 3 || type == 5;
    } catch (...) {
      mnuWizard_->Enabled = false;
    }
  }
  mvarMenuOpen_ = true;
  forms::CurrentModalDriver().PopupMenu(mnuMainOptions_);
  mvarMenuOpen_ = false;
}

void BrastowTabs::ControlMouseUp(int32_t button, double /*x*/, double /*y*/) {
  if (button != kRightButton || mvarMenuOpen_) return;
  mnuRemove_->Visible = false;
  mnuManage_->Visible = false;
  mnuFilter_->Visible = false;
  mnuRename_->Visible = false;
  ShowSaveSelection();
  mnuWizard_->Tag = "-1";
  forms::CurrentModalDriver().PopupMenu(mnuMainOptions_);
}

void BrastowTabs::ControlKeyUp(int32_t keyCode, int32_t shift) {
  if ((shift & kAltMask) == 0) return;
  if (keyCode == 106 && picAll_[1]->Visible) picAll_Click(1);
  if (keyCode == 111) picMNU_Click();
}

void BrastowTabs::mnuRename_Click() {
  const CTabPtr& bar = mvarBars_[static_cast<size_t>(mvarMenuBar_)];
  forms::TabStrip& strip = GetTabStrip(mvarMenuBar_);
  auto* selected = strip.SelectedItem();
  if (!bar || selected == nullptr) return;
  const int32_t i = selected->Index();
  const std::string caption = AskTabCaption(selected->Caption);
  if (caption.empty()) return;
  selected->Caption = caption;
  TabDescription record = bar->tabs->Item(i - Offset(*bar));
  record.TabCaption = caption;
  bar->ChangeTab(static_cast<int16_t>(i - Offset(*bar)), record);
  Required(mvarFolderTabs_).SaveSettings(mvarCommon_, true);
}

void BrastowTabs::mnuRemove_Click() {
  const CTabPtr& bar = mvarBars_[static_cast<size_t>(mvarMenuBar_)];
  auto* selected = GetTabStrip(mvarMenuBar_).SelectedItem();
  if (!bar || selected == nullptr) return;
  if (!ConfirmRemoveTab(selected->Caption)) return;
  bar->tabs->Remove(selected->Index() - Offset(*bar));
  Required(mvarFolderTabs_).SaveSettings(mvarCommon_, true);
  PrepareTab(mvarMenuBar_);
  ApplyTabSelection(mvarMenuBar_);
}

void BrastowTabs::mnuFilter_Click() {
  ProcessState& g = G();
  int step = 0;
  std::string f;
  try {
    step = 1;
    const CTabPtr& bar = mvarBars_[static_cast<size_t>(mvarMenuBar_)];
    auto* tab = GetTabStrip(mvarMenuBar_).SelectedItem();
    if (!bar || tab == nullptr) throw ComError::Vb(vberr::ObjectNotSet);
    const int32_t selected = tab->Index();
    TabDescription record = bar->tabs->Item(selected - 1);
    f = record.TabFilter;
    step = 2;
    const host::FolderPtr folder = Required(mvarFolderTabs_).Folder();
    try {
      folder->Views()->Item(kTempView)->Delete();
    } catch (...) {
      // No temporary view left over.
    }
    if (f.empty()) f = kFolderFilterGuard;
    step = 3;
    auto explorer = Required(g.gobjOLApp).ActiveExplorer();
    const std::string current = explorer->CurrentView();
    folder->Views()->Item(current)->Copy(kTempView, 1)->Save();
    step = 4;
    std::string base = GetViewFilter(current);
    step = 5;
    mvarViewLocked_ = true;
    explorer->SetCurrentView(kTempView);
    step = 6;
    if (record.TabCaption != record.TabFilter) {
      mvarViewCtl_->SetFilter(f);
    } else {
      mvarViewCtl_->SetFilter(g.gboolOutlook2003 ? "" : kFolderFilterGuard);
    }
    step = 7;
    mvarViewCtl_->CustomizeView();
    f = mvarViewCtl_->Filter();
    step = 8;
    record.TabFilter = f;
    bar->ChangeTab(static_cast<int16_t>(selected - 1), record);
    mvarFolderTabs_->SaveSettings(mvarCommon_, true);
    step = 9;
    folder->Views()->Item(explorer->CurrentView())->Delete();
    step = 10;
    if (!g.gboolOutlook2003 && Trim(base).empty()) base = Trim(kFolderFilterGuard);
    step = 11;
    explorer->SetCurrentView(current);
    mvarViewLocked_ = false;
    mvarViewCtl_->SetFilter(base);
    ApplyTabSelection(mvarMenuBar_);
  } catch (...) {
    mvarViewLocked_ = false;
    HandleError(g.gobjLib.get(), "BrastowTabs.mnuFilter_Click, Line:" + std::to_string(step) +
                                     ", Filter='" + f + "'");
  }
}

void BrastowTabs::mnuManage_Click() {
  // The tab bar management dialog is not part of this build yet.
  forms::MsgBox("Tab bar management is not available yet.", forms::vbInformation,
                "Kovelin Organizer");
}

void BrastowTabs::mnuWizard_Click() {
  int32_t p = 0;
  if (mnuWizard_->Tag != "-1") {
    p = Val(mnuWizard_->Tag);
  } else {
    static constexpr int32_t kMask[] = {4, 8, 16, 32};
    for (size_t i = 0; i < 4; ++i) {
      if (mvarCommon_.TabEnabled[i] == 1) p += kMask[i];
    }
  }
  FolderSettings settings = mvarCommon_;
  if (RunFolderWizard(Required(mvarFolderTabs_), p, settings, false)) {
    mvarCommon_ = settings;
    mvarCommon_.Enabled = 1;
    mvarFolderTabs_->SaveSettings(mvarCommon_, true);
    RefreshTabs();
  }
}

// ---- moving bars ----

void BrastowTabs::StripMouseMove(int16_t position, int32_t button, double xTwips, double yTwips) {
  if (button == kLeftButton) {
    if (std::abs(mvarDragX_ - xTwips) >= 100 || std::abs(mvarDragY_ - yTwips) >= 100) {
      mvarDragBar_ = position;
      mvarDragging_ = true;
      GetTabStrip(position).Drag(1);
      mvarDragging_ = false;
    }
    return;
  }
  mvarDragX_ = xTwips;
  mvarDragY_ = yTwips;
}

void BrastowTabs::StripDragDrop(int16_t position) {
  GetTabStrip(mvarDragBar_).Drag(2);
  MoveBar(position);
}

void BrastowTabs::ControlDragDrop(const std::string& sourceName, double x, double y) {
  GetTabStrip(mvarDragBar_).Drag(2);
  DropBarToControl(sourceName, x, y);
}

void BrastowTabs::MoveBar(int16_t position) {
  if (position == mvarDragBar_) return;
  mvarLoaded_ = false;
  ReorderTabs(mvarDragBar_, position);
  Required(mvarFolderTabs_).SaveSettings(mvarCommon_, true);
  PrepareTabs();
  LayoutBars();
  SetHTML();
  InicializeTabs();
  mvarLoaded_ = true;
  mvarDragging_ = false;
}

void BrastowTabs::DropBarToControl(const std::string& sourceName, double x, double y) {
  mvarLoaded_ = false;
  try {
    if (Left(sourceName, 3) != "ssa") {
      mvarLoaded_ = true;
      return;
    }
    const double z = 100.0 / 15;
    const double wc = width_;
    const double hc = height_;
    const bool inOwnZone = (mvarDragBar_ == 3 && x < z) || (mvarDragBar_ == 0 && y < z) ||
                           (mvarDragBar_ == 1 && wc - x < z) || (mvarDragBar_ == 2 && hc - y < z);
    if (inOwnZone) {
      mvarLoaded_ = true;
      return;
    }
    int16_t target = -1;
    if (x < z) {
      target = 3;
    } else if (y < z) {
      target = 0;
    } else if (wc - x < z) {
      target = 1;
    } else if (hc - y < z) {
      target = 2;
    }
    if (target >= 0) ReorderTabs(mvarDragBar_, target);
    Required(mvarFolderTabs_).SaveSettings(mvarCommon_, true);
    PrepareTabs();
    LayoutBars();
    SetHTML();
    InicializeTabs();
    mvarDragging_ = false;
  } catch (...) {
    mvarDragging_ = false;
    HandleError(G().gobjLib.get(), "BrastowTabs.DropBarToControl");
  }
  mvarLoaded_ = true;
}

void BrastowTabs::ReorderTabs(int16_t from, int16_t to) {
  int step = 0;
  int index = 0;
  try {
    step = 1;
    const size_t f = static_cast<size_t>(from);
    const size_t t = static_cast<size_t>(to);
    mvarCommon_.TabEnabled[f] = mvarCommon_.TabEnabled[t];
    std::swap(mvarCommon_.MultiLine[f], mvarCommon_.MultiLine[t]);
    step = 2;
    Ctab4& folderTabs = Required(mvarFolderTabs_);
    const Ctab4::Bars old = folderTabs.tabs();
    Ctab4::Bars bars{};
    for (index = 0; index < 4; ++index) {
      const size_t i = static_cast<size_t>(index);
      if (i == f) {
        bars[i] = old[t];
        if (!bars[i]) mvarCommon_.TabEnabled[f] = 0;
      } else if (i == t) {
        bars[i] = old[f];
        mvarCommon_.TabEnabled[t] = 1;
      } else {
        bars[i] = old[i];
      }
    }
    step = 3;
    if (mvarCommon_.ViewIndex == from) {
      mvarCommon_.ViewIndex = to;
    } else if (mvarCommon_.ViewIndex == to) {
      mvarCommon_.ViewIndex = from;
    }
    step = 4;
    folderTabs.SetTabs(bars);
    mvarBars_ = folderTabs.tabs();
    step = 5;
    SetFolderCommonSettings(folderTabs.Folder()->EntryID(), mvarCommon_);
  } catch (...) {
    mvarDragging_ = false;
    HandleError(G().gobjLib.get(), "BrastowTabs.ReorderTabs, Index:" + std::to_string(index) +
                                       ",Line:" + std::to_string(step));
  }
}

}  // namespace kov

// BrastowTabs is the tab-bar control of the folder home page ("Kovelin.BrastowTabs"). It shows the
// four bars of the folder tab set that its explorer wrapper holds as four tab strips around the
// view control, lays them out, and turns the selected tabs into the view control's filter.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "base/MessageLoop.h"
#include "explorer/ExplorerTabBar.h"
#include "forms/Controls.h"
#include "forms/Menu.h"
#include "forms/TabStrip.h"
#include "host/HtmlDocument.h"
#include "host/ViewControl.h"
#include "model/Ctab4.h"
#include "model/FolderSettings.h"

namespace kov {

// The completed-tasks clause: the task status (in the task property set) equals 2.
inline constexpr const char* kCompletedTasksClause =
    "(\"http://schemas.microsoft.com/mapi/id/{00062003-0000-0000-C000-000000000046}/81010003\" = "
    "2)";

class BrastowTabs : public host::ComObject,
                    public host::PageObject,
                    public ExplorerTabBar,
                    public std::enable_shared_from_this<BrastowTabs> {
 public:
  static constexpr const char* kProgId = "Kovelin.BrastowTabs";

  // Initialise: binds to the active explorer wrapper's folder tab set.
  BrastowTabs();
  ~BrastowTabs() override;

  // The page shows the control (its Parent is the document) and goes away.
  void PageLoaded(const std::shared_ptr<host::HtmlDocument>& parent) override;
  void PageUnloaded() override;

  // Public methods of the control.
  void SetView(const std::string& viewName) override;
  void RefreshTabs();
  void ResetFilter() {}

  // The control's inner size in pixels changed.
  virtual void Resize(double width, double height);

  // Part of the control a person sees and clicks; virtual accessors so that a host's tools reach
  // the control's own module.
  virtual forms::TabStrip& Strip(int position) { return *ssaTabs_[static_cast<size_t>(position)]; }
  virtual forms::PictureBox& PicAll(int index) { return *picAll_[static_cast<size_t>(index)]; }
  virtual forms::PictureBox& PicMNU() { return *picMNU_; }
  virtual std::array<int16_t, 4> ViewArea() const {
    return {mvarViewLeft_, mvarViewTop_, mvarViewWidth_, mvarViewHeight_};
  }
  virtual double Width() const { return width_; }
  virtual double Height() const { return height_; }

  // The view area the layout computed (pixels); SetHTML places the page element "DV" over it.
  void SetViewArea(int16_t left, int16_t top, int16_t width, int16_t height);
  void SetHTML();

  // Tab selection and view filtering.
  void ApplyTabSelection(int16_t position);
  std::string GetViewFilter(const std::string& viewName);
  void picAll_Click(int index);
  void SetCollorForPicAll();
  void mnuSaveSelection_Click();

  // The bar menu, keys and moving bars (pixels for the control, twips for strip mouse events).
  // The events a host raises are virtual, so that they run in the control's own module.
  virtual void StripMouseUp(int16_t position, int32_t button, double xTwips, double yTwips);
  virtual void StripMouseMove(int16_t position, int32_t button, double xTwips, double yTwips);
  virtual void StripDragDrop(int16_t position);
  virtual void ControlDragDrop(const std::string& sourceName, double x, double y);
  virtual void ControlMouseUp(int32_t button, double x, double y);
  virtual void ControlKeyUp(int32_t keyCode, int32_t shift);
  virtual void picMNU_Click();
  virtual forms::Menu& MainMenu() { return mnuMainOptions_; }
  void ReorderTabs(int16_t from, int16_t to);
  void MoveBar(int16_t position);
  void DropBarToControl(const std::string& sourceName, double x, double y);

  // Layout.
  void LayoutBars();
  void ResizeTabs();
  bool FitSideTabs();
  bool ResizeSideTabH(int16_t position);
  bool ResizeSideTabV(int16_t position);

 private:
  bool FindViewControl();
  void PrepareTabs();
  void PrepareTab(int16_t position);
  void InicializeTabs();
  void SelectInitial(int16_t position);
  void tmrChageView_Timer();
  forms::TabStrip& GetTabStrip(int16_t position) { return Strip(position); }
  void BuildMenu();
  void ShowBarMenu(int16_t position);
  void ShowSaveSelection();
  void mnuRename_Click();
  void mnuRemove_Click();
  void mnuFilter_Click();
  void mnuManage_Click();
  void mnuWizard_Click();
  int16_t Offset(const CTab& bar) const { return bar.Views() ? 0 : 1; }

  std::array<std::unique_ptr<forms::TabStrip>, 4> ssaTabs_;
  std::array<std::unique_ptr<forms::PictureBox>, 2> picAll_;
  std::unique_ptr<forms::PictureBox> picMNU_;
  Timer tmrChageView_;
  std::string tmrChageViewTag_;

  std::shared_ptr<Ctab4> mvarFolderTabs_;
  Ctab4::Bars mvarBars_{};
  std::shared_ptr<host::ViewControl> mvarViewCtl_;
  std::shared_ptr<host::HtmlDocument> mvarDocument_;
  FolderSettings mvarCommon_;
  int16_t mvarViewLeft_ = 0;
  int16_t mvarViewTop_ = 0;
  int16_t mvarViewWidth_ = 0;
  int16_t mvarViewHeight_ = 0;
  bool mvarInitializing_ = false;
  bool mvarLoaded_ = false;
  bool mvarViewLocked_ = false;
  std::string mvarExplorerKey_;
  forms::Menu mnuMainOptions_{"mnuMainOptions"};
  forms::Menu* mnuRename_ = nullptr;
  forms::Menu* mnuFilter_ = nullptr;
  forms::Menu* mnuRemove_ = nullptr;
  forms::Menu* mnuBl1_ = nullptr;
  forms::Menu* mnuManage_ = nullptr;
  forms::Menu* mnuWizard_ = nullptr;
  forms::Menu* mnuCustomizeView_ = nullptr;
  forms::Menu* mnubl2_ = nullptr;
  forms::Menu* mnuSaveSelection_ = nullptr;
  int16_t mvarMenuBar_ = 0;
  bool mvarMenuOpen_ = false;
  int16_t mvarDragBar_ = 0;
  double mvarDragX_ = 0;
  double mvarDragY_ = 0;
  bool mvarDragging_ = false;
  double width_ = 800;
  double height_ = 600;
};

// Joins a view's own filter and the tabs filter behind the marker clause.
std::string CombineFilters(const std::string& viewFilter, const std::string& tabsFilter);

}  // namespace kov

#include "tabbar/BrastowTabs.h"

#include <cmath>
#include <pugixml.hpp>

#include "addin/ProcessState.h"
#include "base/ComError.h"
#include "base/ErrorHandler.h"
#include "base/Required.h"
#include "base/Text.h"
#include "explorer/cExplorer.h"
#include "explorer/mdlShare.h"
#include "model/FolderCommonSettings.h"

namespace kov {
namespace {

void Yield() { MessageLoop::Current().DoEvents(); }

// Rounding as the control's arithmetic does it: to the nearest, halves to even.
double Round(double value) { return std::nearbyint(value); }

// A view-area field is a 16-bit integer: a value that does not fit ends the layout.
int16_t Int16(double value) {
  const double rounded = Round(value);
  if (rounded < -32768 || rounded > 32767) throw ComError(6, "Kovelin", "Overflow");
  return static_cast<int16_t>(rounded);
}

std::shared_ptr<cExplorer> ActiveWrapper() { return G().gcolExplorers.Item(G().ActiveExplorerKey); }

// The tabs part of a stored view filter cut off: the part before the and-marker or the marker.
std::string OwnPart(const std::string& filter) {
  int32_t at = InStr(filter, kAndMarker);
  if (at == 0) at = InStr(filter, kSubjectMarker);
  return at > 0 ? Left(filter, at - 1) : filter;
}

}  // namespace

std::string CombineFilters(const std::string& viewFilter, const std::string& tabsFilter) {
  std::string own = Trim(OwnPart(viewFilter));
  if (own == Trim(kFolderFilterGuard)) own.clear();
  if (tabsFilter != kFolderFilterGuard) {
    if (own.empty()) return std::string(kSubjectMarker) + tabsFilter + ")";
    return own + kAndMarker + tabsFilter + ")";
  }
  return own.empty() ? tabsFilter : own;
}

BrastowTabs::BrastowTabs() {
  static constexpr forms::TabPlacement kPlacements[] = {
      forms::TabPlacement::Top, forms::TabPlacement::Right, forms::TabPlacement::Bottom,
      forms::TabPlacement::Left};
  for (int16_t i = 0; i < 4; ++i) {
    ssaTabs_[i] = std::make_unique<forms::TabStrip>(nullptr, "ssaTabs(" + std::to_string(i) + ")",
                                                    kPlacements[i]);
    ssaTabs_[i]->Visible = false;
    ssaTabs_[i]->Click = [this, i] { ApplyTabSelection(i); };
  }
  for (int i = 0; i < 2; ++i) {
    picAll_[i] = std::make_unique<forms::PictureBox>(nullptr, "picAll(" + std::to_string(i) + ")");
    picAll_[i]->ToolTipText = "Show all items (switch every Tab Bar to \"All\")  (Alt + *)";
    picAll_[i]->Width = 16;
    picAll_[i]->Height = 16;
    picAll_[i]->Click = [this, i] { picAll_Click(i); };
  }
  picMNU_ = std::make_unique<forms::PictureBox>(nullptr, "picMNU");
  picMNU_->ToolTipText = "Display Folders menu (Alt + /)";
  picMNU_->Width = 16;
  picMNU_->Height = 16;
  tmrChageView_.SetInterval(100);
  tmrChageView_.SetEnabled(false);
  tmrChageView_.OnTimer = [this](int32_t) { tmrChageView_Timer(); };
  BuildMenu();

  ProcessState& g = G();
  int step = 0;
  try {
    step = 1;
    if (g.ReselectInProgress) return;
    step = 2;
    mvarFolderTabs_ = ActiveWrapper()->mvarCurentTab;
    step = 3;
    mvarCommon_ = GetFolderCommonSettings(Required(mvarFolderTabs_).Folder()->EntryID());
  } catch (...) {
    std::string name;
    try {
      name = mvarFolderTabs_->Folder()->Name();
    } catch (...) {
      // No folder to name.
    }
    HandleError(g.gobjLib.get(), "BrastowTabs.UserControl_Initialize, Line:" +
                                     std::to_string(step) + ",Folder:" + name);
  }
}

BrastowTabs::~BrastowTabs() { tmrChageView_.OnTimer = nullptr; }

void BrastowTabs::PageLoaded(const std::shared_ptr<host::HtmlDocument>& parent) {
  ProcessState& g = G();
  int step = 0;
  mvarDocument_ = parent;
  try {
    step = 1;
    if (g.ReselectInProgress) return;
    step = 2;
    Yield();
    if (!FindViewControl()) return;
    step = 3;
    Yield();
    for (auto& strip : ssaTabs_) strip->Visible = true;
    step = 4;
    PrepareTabs();
    InicializeTabs();
    Yield();
    LayoutBars();
    SetHTML();
    step = 5;
    mvarLoaded_ = true;
    mvarExplorerKey_ = g.ActiveExplorerKey;
    g.gcolExplorers.Item(mvarExplorerKey_)->SeteToolBar(shared_from_this());
  } catch (...) {
    mvarLoaded_ = true;
    HandleError(g.gobjLib.get(), "BrastowTabs.UserControl_Show, Line:" + std::to_string(step));
  }
}

void BrastowTabs::PageUnloaded() {
  mvarFolderTabs_.reset();
  mvarViewCtl_.reset();
  mvarDocument_.reset();
  Yield();
}

bool BrastowTabs::FindViewControl() {
  try {
    Yield();
    if (mvarViewCtl_) return true;
    if (!mvarDocument_ || !mvarDocument_->Body()) return false;
    SetHTML();
    Yield();
    auto element = mvarDocument_->GetElementById("ViewCtlFolder");
    if (!element) return false;
    mvarViewCtl_ = std::dynamic_pointer_cast<host::ViewControl>(element->Object());
    return mvarViewCtl_ != nullptr;
  } catch (...) {
    return false;
  }
}

void BrastowTabs::PrepareTabs() {
  try {
    Ctab4& tabs = Required(mvarFolderTabs_);
    if (!tabs.Folder()) tabs.SetFolder(Required(mvarViewCtl_).ActiveFolder());
    mvarBars_ = tabs.tabs();
    for (int16_t i = 0; i < 4; ++i) PrepareTab(i);
  } catch (...) {
    HandleError(G().gobjLib.get(), "BrastowTabs.PrepareTabs");
  }
}

void BrastowTabs::PrepareTab(int16_t position) {
  int step = 0;
  forms::TabStrip& strip = GetTabStrip(position);
  const CTabPtr& bar = mvarBars_[static_cast<size_t>(position)];
  try {
    step = 1;
    strip.MultiRow = mvarCommon_.MultiLine[static_cast<size_t>(position)] == 1;
    step = 2;
    strip.Visible = bar && bar->Enable() == 1;
    step = 3;
    while (strip.Tabs().Count() > 0) strip.Tabs().Remove(strip.Tabs().Count());
    step = 4;
    if (strip.Visible && bar) {
      if (!bar->Views()) strip.Tabs().Add(1, "1", "All", 0);
      int32_t p = strip.Tabs().Count();
      const int32_t n = bar->tabs->Count();
      for (const auto& record : *bar->tabs) {
        ++p;
        strip.Tabs().Add(n + 1, std::to_string(n + 1), record.TabCaption, 0);
        strip.Tabs().Item(p).ToolTipText = Left(record.TabCaption, 70);
      }
    }
  } catch (...) {
    std::string folder;
    try {
      folder = mvarFolderTabs_->Folder()->Name();
    } catch (...) {
      // No folder to name.
    }
    HandleError(G().gobjLib.get(), "BrastowTabs.PrepareTab, Index:" + std::to_string(position) +
                                       "Line:" + std::to_string(step) + ",folder:" + folder);
  }
}

void BrastowTabs::SelectInitial(int16_t position) {
  forms::TabStrip& strip = GetTabStrip(position);
  try {
    const CTabPtr& bar = mvarBars_[static_cast<size_t>(position)];
    const int32_t x = bar->Index;
    const int32_t n = bar->tabs->Count();
    strip.Tabs().Item(x > 0 && x <= n + 1 ? x : 1).SetSelected(true);
  } catch (...) {
    try {
      strip.Tabs().Item(1).SetSelected(true);
    } catch (...) {
      // A strip without tabs selects nothing.
    }
  }
}

void BrastowTabs::InicializeTabs() {
  try {
    mvarBars_ = Required(mvarFolderTabs_).tabs();
    mvarInitializing_ = true;
    for (int16_t i = 0; i < 4; ++i) {
      if (GetTabStrip(i).Visible) SelectInitial(i);
    }
    mvarInitializing_ = false;
    for (int16_t i = 0; i < 4; ++i) {
      if (!GetTabStrip(i).Visible) continue;
      SelectInitial(i);
      ApplyTabSelection(i);
      break;
    }
  } catch (...) {
    mvarInitializing_ = false;
    HandleError(G().gobjLib.get(), "BrastowTabs.InicializeTabs");
  }
}

void BrastowTabs::SetViewArea(int16_t left, int16_t top, int16_t width, int16_t height) {
  mvarViewLeft_ = left;
  mvarViewTop_ = top;
  mvarViewWidth_ = width;
  mvarViewHeight_ = height;
}

void BrastowTabs::SetHTML() {
  try {
    auto element = Required(mvarDocument_).GetElementById("DV");
    auto style = Required(element).Style();
    const int32_t left = std::max<int32_t>(mvarViewLeft_, 4) - 4;
    const int32_t top = std::max<int32_t>(mvarViewTop_, 4) - 4;
    const int32_t width = std::max<int32_t>(mvarViewWidth_, 0) + 7;
    const int32_t height = std::max<int32_t>(mvarViewHeight_, 0) + 7;
    style->Set("left", std::to_string(left) + "px");
    style->Set("top", std::to_string(top) + "px");
    style->Set("width", std::to_string(width) + "px");
    style->Set("height", std::to_string(height) + "px");
  } catch (...) {
    HandleError(G().gobjLib.get(), "BrastowTabs.SetHTML");
  }
}

void BrastowTabs::SetView(const std::string& viewName) {
  if (mvarViewLocked_) return;
  tmrChageViewTag_ = viewName;
  tmrChageView_.SetEnabled(true);
}

void BrastowTabs::RefreshTabs() {
  try {
    mvarFolderTabs_ = ActiveWrapper()->mvarCurentTab;
  } catch (...) {
    HandleError(G().gobjLib.get(), "BrastowTabs.RefreshTabs");
    return;
  }
  PrepareTabs();
  LayoutBars();
  SetHTML();
}

void BrastowTabs::Resize(double width, double height) {
  width_ = width;
  height_ = height;
  Strip(3).Height = height_;
  Strip(1).Height = height_;
  LayoutBars();
  SetHTML();
}

// ---- layout ----

void BrastowTabs::LayoutBars() {
  ResizeTabs();
  if (FitSideTabs()) ResizeTabs();
}

bool BrastowTabs::FitSideTabs() {
  const bool left = ResizeSideTabV(3);
  const bool right = ResizeSideTabV(1);
  const bool top = ResizeSideTabH(0);
  const bool bottom = ResizeSideTabH(2);
  return left || right || top || bottom;
}

void BrastowTabs::ResizeTabs() {
  try {
    SetCollorForPicAll();
    picMNU_->Visible = true;
    forms::TabStrip& top = Strip(0);
    forms::TabStrip& right = Strip(1);
    forms::TabStrip& bottom = Strip(2);
    forms::TabStrip& left = Strip(3);
    int anchor = 0;
    bool any = false;
    for (int position : {0, 3, 2, 1}) {
      if (Strip(position).Visible) {
        anchor = position;
        any = true;
        break;
      }
    }
    if (!any) {
      picAll_[0]->Visible = false;
      picAll_[1]->Visible = false;
      picMNU_->Visible = false;
    }
    double L = 0;
    double W = width_;
    if (left.Visible) {
      L = Round(left.Width);
      W = W - L;
    } else {
      L = 4;
    }
    if (right.Visible) {
      W = Round(W - right.Width) - 8;
    } else {
      W = W - 12;
    }
    L = L + 4;
    const int16_t viewLeft = Int16(L);
    const int16_t viewWidth = Int16(W);
    double T = 4;
    double H = height_;
    if (top.Visible) T = Round(top.Height + 4 + 2);
    H = H - T;
    if (bottom.Visible) {
      H = Round(H - bottom.Height - 4);
    } else {
      H = H - 12;
    }
    SetViewArea(viewLeft, Int16(T), viewWidth, Int16(H));
    auto placeButtons = [&](double x, double y, bool sideBySide) {
      for (auto& pic : picAll_) {
        pic->Left = x;
        pic->Top = y;
      }
      picMNU_->Left = sideBySide ? picAll_[0]->Left + picAll_[0]->Width : picAll_[0]->Left;
      picMNU_->Top = sideBySide ? picAll_[0]->Top : picAll_[0]->Top + picAll_[0]->Height;
    };
    if (top.Visible) {
      top.Top = 4;
      const double s = anchor == 0 ? 36 : 0;
      if (anchor == 0) placeButtons(L - 4, top.Top + 20.0 / 15, true);
      top.Left = L - 4 + s;
      top.Width = std::max(0.0, W - s + 100.0 / 15);
      if (!top.MultiRow) top.Height = 28;
    }
    if (bottom.Visible) {
      bottom.Top = H + T - 20.0 / 15;
      const double s = anchor == 2 ? 36 : 0;
      if (anchor == 2) placeButtons(L - 4, bottom.Top + 4, true);
      bottom.Left = L - 4 + s;
      bottom.Width = std::max(0.0, W - s + 100.0 / 15);
      if (!bottom.MultiRow) bottom.Height = 460.0 / 15;
    }
    if (left.Visible) {
      left.Left = 4;
      const double s = anchor == 3 ? 32 : 0;
      if (anchor == 3) placeButtons(left.Left + 40.0 / 15, T - 4, false);
      left.Top = std::max(0.0, T + s - 4);
      const double height = H + 100.0 / 15 - s;
      left.Height = height < 0 ? height_ : height;
    }
    if (right.Visible) {
      right.Left = W + L;
      const double s = anchor == 1 ? 32 : 0;
      if (anchor == 1) placeButtons(right.Left + 4, T - 4, false);
      right.Top = std::max(0.0, T + s - 4);
      const double height = H + 100.0 / 15 - s;
      right.Height = height < 0 ? height_ : height;
    }
  } catch (...) {
    HandleError(G().gobjLib.get(), "BrastowTabs.ResizeTabs");
  }
}

bool BrastowTabs::ResizeSideTabH(int16_t position) {
  try {
    forms::TabStrip& strip = Strip(position);
    if (!strip.Visible) return false;
    if (position == 0) {
      strip.Height = std::abs(strip.ClientTop() - strip.Top) + 120.0 / 15;
      return true;
    }
    int32_t rows = 1;
    double previous = strip.Tabs().Count() > 0 ? strip.Tabs().Item(1).Top() : 0;
    for (int32_t i = 1; i <= strip.Tabs().Count(); ++i) {
      if (strip.Tabs().Item(i).Top() != previous) {
        previous = strip.Tabs().Item(i).Top();
        ++rows;
      }
    }
    if (Round(strip.Height / 22) == rows) return false;
    strip.Height = rows * 22 + 11;
    if (strip.ClientHeight() <= 30.0 / 15) return true;
    strip.Height = strip.Height - strip.ClientHeight() + 30.0 / 15;
    return true;
  } catch (...) {
    HandleError(G().gobjLib.get(), "BrastowTabs.ResizeSideTabH");
    return false;
  }
}

bool BrastowTabs::ResizeSideTabV(int16_t position) {
  try {
    forms::TabStrip& strip = Strip(position);
    if (!strip.Visible) return false;
    if (position == 3) {
      strip.Width = std::abs(strip.ClientLeft() - strip.Left) + 180.0 / 15;
      return true;
    }
    int32_t columns = 1;
    double previous = strip.Tabs().Count() > 0 ? strip.Tabs().Item(1).Left() : 0;
    for (int32_t i = 1; i <= strip.Tabs().Count(); ++i) {
      if (strip.Tabs().Item(i).Left() != previous) {
        previous = strip.Tabs().Item(i).Left();
        ++columns;
      }
    }
    bool changed = false;
    if (Round(strip.Width / 22) != columns) {
      strip.Width = columns * 22 + 11;
      changed = true;
    }
    if (strip.ClientWidth() <= 90.0 / 15) return changed;
    strip.Width = strip.Width - strip.ClientWidth() + 90.0 / 15;
    return true;
  } catch (...) {
    HandleError(G().gobjLib.get(), "BrastowTabs.ResizeSideTabV");
    return false;
  }
}

// ---- selection and filtering ----

std::string BrastowTabs::GetViewFilter(const std::string& viewName) {
  auto view = Required(mvarFolderTabs_).Folder()->Views()->Item(viewName);
  pugi::xml_document doc;
  doc.load_string(view->XML().c_str());
  pugi::xml_node filter;
  for (pugi::xml_node child : doc.document_element().children()) {
    if (std::string(child.name()) == "filter") {
      filter = child;
      break;
    }
  }
  if (!filter) return "";
  std::string text = Trim(OwnPart(filter.text().get()));
  if (text.empty()) text = kFolderFilterGuard;
  filter.text() = text.c_str();
  return text;
}

void BrastowTabs::ApplyTabSelection(int16_t position) {
  ProcessState& g = G();
  int step = 0;
  std::string T;
  try {
    step = 1;
    if (mvarInitializing_) return;
    step = 2;
    if (!mvarViewCtl_ && !FindViewControl()) return;
    if (!mvarViewCtl_) return;
    step = 3;
    if (auto* selected = GetTabStrip(position).SelectedItem()) {
      g.SelectedTabs[static_cast<size_t>(position)] = static_cast<int16_t>(selected->Index());
    }
    step = 4;
    for (int16_t v = 0; v < 4; ++v) {
      const CTabPtr& bar = mvarBars_[static_cast<size_t>(v)];
      if (!GetTabStrip(v).Visible || !bar || !bar->Views()) continue;
      auto* selected = GetTabStrip(v).SelectedItem();
      if (selected == nullptr || selected->Index() > bar->tabs->Count()) break;
      const TabDescription& record = bar->tabs->Item(selected->Index());
      if (mvarViewCtl_->View() == record.TabFilter) break;
      std::string base = GetViewFilter(record.TabFilter);
      try {
        auto explorer = Required(g.gobjOLApp).ActiveExplorer();
        auto view = explorer->CurrentFolder()->Views()->Item(record.TabFilter);
        explorer->SetCurrentView(view->Name());
        if (!g.gboolOutlook2003 && Trim(base).empty()) base = Trim(kFolderFilterGuard);
        mvarViewCtl_->SetFilter(base);
      } catch (...) {
        // A view the folder does not have leaves the current view; the tabs still apply.
      }
      break;
    }
    step = 5;
    for (int16_t i = 0; i < 4; ++i) {
      forms::TabStrip& strip = GetTabStrip(i);
      const CTabPtr& bar = mvarBars_[static_cast<size_t>(i)];
      if (!strip.Visible || !bar) continue;
      auto* selected = strip.SelectedItem();
      if (selected == nullptr) continue;
      const int32_t s = selected->Index();
      if (s > 1 && !(bar->Views() && i == mvarCommon_.ViewIndex)) {
        const TabDescription& record = bar->tabs->Item(s - 1);
        if (!record.TabFilter.empty() && record.TabCaption != record.TabFilter) {
          T += "(" + record.TabFilter + ") AND ";
        }
      }
      bar->Index = static_cast<int16_t>(s);
    }
    step = 6;
    if (!T.empty()) T = Left(T, Len(T) - 5);
    step = 7;
    if (T.empty()) T = kFolderFilterGuard;
    step = 8;
    std::string V = mvarViewCtl_->Filter();
    step = 9;
    if (Required(mvarFolderTabs_).Folder()->DefaultItemType() == host::olTaskItem &&
        InStr(mvarViewCtl_->View(), "completed", Compare::Text) > 0 &&
        (V.empty() || V == kFolderFilterGuard)) {
      V = kCompletedTasksClause;
    }
    step = 10;
    const std::string F = CombineFilters(V, T);
    step = 11;
    try {
      mvarViewCtl_->SetFilter(F);
    } catch (...) {
      try {
        mvarViewCtl_->SetFilter(V);
      } catch (...) {
        // The view keeps the filter it had.
      }
    }
    step = 12;
    if (mvarFolderTabs_ && mvarLoaded_ && mvarCommon_.SaveLastClick != 0) {
      mvarFolderTabs_->SaveSettings(mvarCommon_, true);
    }
    step = 13;
    SetCollorForPicAll();
  } catch (...) {
    HandleError(g.gobjLib.get(),
                "BrastowTabs.ApplyTabSelection, Line:" + std::to_string(step) + ",Filter:" + T);
  }
}

void BrastowTabs::tmrChageView_Timer() {
  tmrChageView_.SetEnabled(false);
  for (int16_t i = 0; i < 4; ++i) {
    const CTabPtr& bar = mvarBars_[static_cast<size_t>(i)];
    if (!GetTabStrip(i).Visible || !bar || !bar->Views()) continue;
    int32_t p = 0;
    for (const auto& record : *bar->tabs) {
      ++p;
      if (record.TabFilter == tmrChageViewTag_) {
        GetTabStrip(i).Tabs().Item(p).SetSelected(true);
        return;
      }
    }
  }
  for (int16_t i = 0; i < 4; ++i) {
    if (GetTabStrip(i).Visible) {
      ApplyTabSelection(i);
      return;
    }
  }
}

void BrastowTabs::picAll_Click(int index) {
  if (index == 0) return;
  for (int16_t i = 0; i < 4; ++i) {
    const CTabPtr& bar = mvarBars_[static_cast<size_t>(i)];
    if (!GetTabStrip(i).Visible || (bar && bar->Views())) continue;
    if (GetTabStrip(i).Tabs().Count() > 0) GetTabStrip(i).Tabs().Item(1).SetSelected(true);
  }
}

void BrastowTabs::SetCollorForPicAll() {
  int step = 0;
  try {
    step = 1;
    bool restricted = false;
    for (int16_t i = 0; i < 4; ++i) {
      if (mvarCommon_.WithViews != 0 && mvarCommon_.ViewIndex == i) continue;
      auto* selected = GetTabStrip(i).Visible ? GetTabStrip(i).SelectedItem() : nullptr;
      if (selected != nullptr && selected->Index() > 1) restricted = true;
    }
    step = 2;
    picAll_[0]->Visible = !restricted;
    picAll_[1]->Visible = restricted;
  } catch (...) {
    HandleError(G().gobjLib.get(), "BrastowTabs.SetCollorForPicAll, Line:" + std::to_string(step));
  }
}

void BrastowTabs::mnuSaveSelection_Click() {
  try {
    for (size_t i = 0; i < 4; ++i) {
      if (mvarBars_[i]) mvarBars_[i]->Index = G().SelectedTabs[i];
    }
    Required(mvarFolderTabs_).SaveSettings(mvarCommon_, true);
  } catch (...) {
    HandleError(G().gobjLib.get(), "BrastowTabs.mnuSaveSelection_Click");
  }
}

}  // namespace kov

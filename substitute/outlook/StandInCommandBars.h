// An explorer window's command bars. Each window has its own bars; controls added as temporary
// live only as long as the window, the others are carried over to windows opened later, as the
// host keeps its customizations.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/CommandBars.h"

namespace kov::outlook {

class StandInControls;

class StandInControl : public host::CommandBarControl,
                       public std::enable_shared_from_this<StandInControl> {
 public:
  StandInControl(int32_t type, bool temporary);
  int32_t Type() const override { return type_; }
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  std::string Tag() const override { return tag_; }
  void SetTag(const std::string& tag) override { tag_ = tag; }
  std::string TooltipText() const override { return tooltip_; }
  void SetTooltipText(const std::string& text) override { tooltip_ = text; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  int32_t Priority() const override { return priority_; }
  void SetPriority(int32_t priority) override { priority_ = priority; }
  int32_t State() const override;
  void SetState(int32_t state) override;
  int32_t Style() const override;
  void SetStyle(int32_t style) override;
  void SetPicture(const std::string& picture) override;
  void SetMask(const std::string& mask) override;
  std::string Picture() const override { return picture_; }
  std::shared_ptr<host::CommandBarControls> Controls() const override;

  bool Temporary() const { return temporary_; }
  // A person's click: raises Click(this control, CancelDefault).
  void Execute();
  // A copy without events or temporary controls, for a new window.
  std::shared_ptr<StandInControl> CloneLasting() const;
  // One line per control, indented by depth, as a person would see the menu.
  void Describe(std::string& out, int depth) const;

 private:
  void RequireButton() const;
  void RequirePopup() const;

  int32_t type_;
  bool temporary_;
  std::string caption_;
  bool enabled_ = true;
  std::string tag_;
  std::string tooltip_;
  bool visible_ = true;
  int32_t priority_ = 0;
  int32_t state_ = 0;
  int32_t style_ = 0;
  std::string picture_;
  std::string mask_;
  std::shared_ptr<StandInControls> children_;
};

class StandInControls : public host::CommandBarControls {
 public:
  int32_t Count() const override { return static_cast<int32_t>(controls_.size()); }
  host::CommandBarControlPtr Item(const std::string& caption) const override;
  std::vector<host::CommandBarControlPtr> All() const override;
  host::CommandBarControlPtr Add(int32_t type, bool temporary) override;

  const std::vector<std::shared_ptr<StandInControl>>& Entries() const { return controls_; }
  void Append(std::shared_ptr<StandInControl> control) { controls_.push_back(std::move(control)); }

 private:
  std::vector<std::shared_ptr<StandInControl>> controls_;
};

class StandInCommandBar : public host::CommandBar {
 public:
  explicit StandInCommandBar(std::string name);
  std::string Name() const override { return name_; }
  std::shared_ptr<host::CommandBarControls> Controls() const override { return controls_; }
  int32_t Protection() const override { return protection_; }
  void SetProtection(int32_t protection) override { protection_ = protection; }
  host::CommandBarControlPtr FindControl(int32_t type, const std::string& tag) const override;

  const std::shared_ptr<StandInControls>& Entries() const { return controls_; }

 private:
  std::string name_;
  std::shared_ptr<StandInControls> controls_;
  int32_t protection_ = 0;
};

class StandInCommandBars : public host::CommandBars {
 public:
  // The window's bars, less the missing ones; `lasting` are an earlier window's bars whose
  // lasting controls this window starts with.
  StandInCommandBars(const std::set<std::string>& missing, const StandInCommandBars* lasting);
  host::CommandBarPtr Item(const std::string& name) const override;

  const std::vector<std::shared_ptr<StandInCommandBar>>& Bars() const { return bars_; }
  // What a person sees of one bar.
  std::string Describe(const std::string& name) const;

 private:
  std::vector<std::shared_ptr<StandInCommandBar>> bars_;
};

// The names of the bars every window has.
const std::vector<std::string>& StandardCommandBarNames();

}  // namespace kov::outlook

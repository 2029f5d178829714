#include "outlook/StandInCommandBars.h"

#include "base/ComError.h"
#include "base/Text.h"
#include "outlook/StandInWorld.h"

namespace kov::outlook {
namespace {

std::string WithoutAccelerators(const std::string& caption) { return Replace(caption, "&", ""); }

void RaiseInvalid(const std::string& what) {
  throw ComError(static_cast<int32_t>(0x80004005), "Office", what);
}

host::CommandBarControlPtr Find(const StandInControls& controls, int32_t type,
                                const std::string& tag) {
  for (const auto& control : controls.Entries()) {
    if ((type == 0 || control->Type() == type) && control->Tag() == tag) return control;
    if (control->Type() == host::msoControlPopup) {
      auto inner = std::dynamic_pointer_cast<StandInControls>(control->Controls());
      if (auto found = Find(*inner, type, tag)) return found;
    }
  }
  return nullptr;
}

}  // namespace

const std::vector<std::string>& StandardCommandBarNames() {
  static const std::vector<std::string> names = {"Menu Bar", "Standard", "Advanced",    "Web",
                                                 "Help",     "Tools",    "Context Menu"};
  return names;
}

StandInControl::StandInControl(int32_t type, bool temporary) : type_(type), temporary_(temporary) {
  if (type_ == host::msoControlPopup) children_ = std::make_shared<StandInControls>();
}

void StandInControl::RequireButton() const {
  if (type_ != host::msoControlButton) RaiseInvalid("This property is available only on buttons.");
}

void StandInControl::RequirePopup() const {
  if (type_ != host::msoControlPopup) RaiseInvalid("This property is available only on pop-ups.");
}

int32_t StandInControl::State() const {
  RequireButton();
  return state_;
}
void StandInControl::SetState(int32_t state) {
  RequireButton();
  state_ = state;
}
int32_t StandInControl::Style() const {
  RequireButton();
  return style_;
}
void StandInControl::SetStyle(int32_t style) {
  RequireButton();
  style_ = style;
}
void StandInControl::SetPicture(const std::string& picture) {
  RequireButton();
  picture_ = picture;
}
void StandInControl::SetMask(const std::string& mask) {
  RequireButton();
  mask_ = mask;
}

std::shared_ptr<host::CommandBarControls> StandInControl::Controls() const {
  RequirePopup();
  return children_;
}

void StandInControl::Execute() {
  bool cancelDefault = false;
  Click.Raise(shared_from_this(), cancelDefault);
}

std::shared_ptr<StandInControl> StandInControl::CloneLasting() const {
  auto copy = std::make_shared<StandInControl>(type_, false);
  copy->caption_ = caption_;
  copy->enabled_ = enabled_;
  copy->tag_ = tag_;
  copy->tooltip_ = tooltip_;
  copy->visible_ = visible_;
  copy->priority_ = priority_;
  copy->state_ = state_;
  copy->style_ = style_;
  copy->picture_ = picture_;
  copy->mask_ = mask_;
  if (children_) {
    for (const auto& child : children_->Entries()) {
      if (!child->Temporary()) copy->children_->Append(child->CloneLasting());
    }
  }
  return copy;
}

void StandInControl::Describe(std::string& out, int depth) const {
  if (!visible_) return;
  out += std::string(static_cast<size_t>(depth) * 2, ' ') + "[" + caption_ + "]";
  if (!enabled_) out += " (disabled)";
  if (type_ == host::msoControlButton && state_ == host::msoButtonDown) out += " (down)";
  out += "\n";
  if (children_) {
    for (const auto& child : children_->Entries()) child->Describe(out, depth + 1);
  }
}

host::CommandBarControlPtr StandInControls::Item(const std::string& caption) const {
  for (const auto& control : controls_) {
    if (TextEquals(WithoutAccelerators(control->Caption()), WithoutAccelerators(caption))) {
      return control;
    }
  }
  RaiseInvalid("There is no control \"" + caption + "\" on this bar.");
  return nullptr;
}

std::vector<host::CommandBarControlPtr> StandInControls::All() const {
  return {controls_.begin(), controls_.end()};
}

host::CommandBarControlPtr StandInControls::Add(int32_t type, bool temporary) {
  if (type != host::msoControlButton && type != host::msoControlPopup) {
    RaiseInvalid("Controls of type " + std::to_string(type) + " cannot be added here.");
  }
  auto control = std::make_shared<StandInControl>(type, temporary);
  controls_.push_back(control);
  return control;
}

StandInCommandBar::StandInCommandBar(std::string name)
    : name_(std::move(name)), controls_(std::make_shared<StandInControls>()) {}

host::CommandBarControlPtr StandInCommandBar::FindControl(int32_t type,
                                                          const std::string& tag) const {
  return Find(*controls_, type, tag);
}

StandInCommandBars::StandInCommandBars(const std::set<std::string>& missing,
                                       const StandInCommandBars* lasting) {
  for (const auto& name : StandardCommandBarNames()) {
    if (missing.count(name) > 0) continue;
    auto bar = std::make_shared<StandInCommandBar>(name);
    if (lasting != nullptr) {
      for (const auto& earlier : lasting->bars_) {
        if (earlier->Name() != name) continue;
        for (const auto& control : earlier->Entries()->Entries()) {
          if (!control->Temporary()) bar->Entries()->Append(control->CloneLasting());
        }
      }
    }
    bars_.push_back(bar);
  }
}

host::CommandBarPtr StandInCommandBars::Item(const std::string& name) const {
  for (const auto& bar : bars_) {
    if (TextEquals(bar->Name(), name)) return bar;
  }
  RaiseInvalid("There is no command bar \"" + name + "\".");
  return nullptr;
}

std::string StandInCommandBars::Describe(const std::string& name) const {
  std::string out;
  for (const auto& bar : bars_) {
    if (!TextEquals(bar->Name(), name)) continue;
    out += bar->Name() + ":\n";
    for (const auto& control : bar->Entries()->Entries()) control->Describe(out, 1);
  }
  return out;
}

}  // namespace kov::outlook

// The Office command bars of an explorer window: bars, their controls (buttons and pop-ups),
// and the events the add-in listens to.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/ComObject.h"
#include "host/Event.h"

namespace kov::host {

// Control types (MsoControlType) and button styles.
inline constexpr int32_t msoControlButton = 1;
inline constexpr int32_t msoControlPopup = 10;
inline constexpr int32_t msoButtonIconAndCaption = 3;
// Button states.
inline constexpr int32_t msoButtonUp = 0;
inline constexpr int32_t msoButtonDown = -1;

class CommandBarControls;

class CommandBarControl : public ComObject {
 public:
  virtual int32_t Type() const = 0;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual std::string Tag() const = 0;
  virtual void SetTag(const std::string& tag) = 0;
  virtual std::string TooltipText() const = 0;
  virtual void SetTooltipText(const std::string& text) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual int32_t Priority() const = 0;
  virtual void SetPriority(int32_t priority) = 0;
  // Buttons only (a pop-up raises).
  virtual int32_t State() const = 0;
  virtual void SetState(int32_t state) = 0;
  virtual int32_t Style() const = 0;
  virtual void SetStyle(int32_t style) = 0;
  virtual void SetPicture(const std::string& picture) = 0;
  virtual void SetMask(const std::string& mask) = 0;
  virtual std::string Picture() const = 0;
  // Pop-ups only (a button raises): the controls inside.
  virtual std::shared_ptr<CommandBarControls> Controls() const = 0;
  // Buttons: the Click(Ctrl, CancelDefault) event.
  Event<std::shared_ptr<CommandBarControl>, bool&> Click;
};

using CommandBarControlPtr = std::shared_ptr<CommandBarControl>;

class CommandBarControls : public ComObject {
 public:
  virtual int32_t Count() const = 0;
  // By caption (letter case and "&" ignored); raises when absent.
  virtual CommandBarControlPtr Item(const std::string& caption) const = 0;
  virtual std::vector<CommandBarControlPtr> All() const = 0;
  // Adds a button (1) or a pop-up (10); a temporary control disappears when the window closes.
  virtual CommandBarControlPtr Add(int32_t type, bool temporary) = 0;
};

class CommandBar : public ComObject {
 public:
  virtual std::string Name() const = 0;
  virtual std::shared_ptr<CommandBarControls> Controls() const = 0;
  virtual int32_t Protection() const = 0;
  virtual void SetProtection(int32_t protection) = 0;
  // The first control of that type (0 for any) with that tag anywhere on the bar; null if none.
  virtual CommandBarControlPtr FindControl(int32_t type, const std::string& tag) const = 0;
};

using CommandBarPtr = std::shared_ptr<CommandBar>;

class CommandBars : public ComObject {
 public:
  // By name (letter case ignored); raises when the window has no such bar.
  virtual CommandBarPtr Item(const std::string& name) const = 0;
  // Raised whenever the bars update (for example before the item context menu shows).
  Event<> OnUpdate;
};

}  // namespace kov::host

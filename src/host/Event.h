// A host event: handlers connect and disconnect; raising calls every handler connected at that
// moment, in the order they connected. A handler may disconnect itself or others while the event
// is being raised.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace kov::host {

template <typename... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  // Returns an id for Disconnect.
  int Connect(Handler handler) {
    const int id = ++lastId_;
    slots_.push_back({id, std::make_shared<Handler>(std::move(handler))});
    return id;
  }
  void Disconnect(int id) {
    std::erase_if(slots_, [id](const Slot& slot) { return slot.id == id; });
  }
  size_t Count() const { return slots_.size(); }

  void Raise(Args... args) const {
    const std::vector<Slot> snapshot = slots_;
    for (const auto& slot : snapshot) {
      if (Connected(slot.id)) (*slot.handler)(args...);
    }
  }

 private:
  struct Slot {
    int id;
    std::shared_ptr<Handler> handler;
  };
  bool Connected(int id) const {
    for (const auto& slot : slots_) {
      if (slot.id == id) return true;
    }
    return false;
  }

  std::vector<Slot> slots_;
  int lastId_ = 0;
};

}  // namespace kov::host

#include "addin/ProcessState.h"

#include <stdexcept>

namespace kov {
namespace {

ProcessState*& CurrentState() {
  static ProcessState* current = nullptr;
  return current;
}

}  // namespace

ProcessState& G() {
  ProcessState* state = CurrentState();
  if (state == nullptr) throw std::logic_error("no process state is installed");
  return *state;
}

ScopedProcessState::ScopedProcessState(ProcessState& state) : previous_(CurrentState()) {
  CurrentState() = &state;
}

ScopedProcessState::~ScopedProcessState() { CurrentState() = previous_; }

}  // namespace kov

// The add-in's module (Kovelin): the entry points through which its host attaches it and creates
// its classes, as a COM server's class factory does. The module keeps its own process state.
#include "addin/ClassFactory.h"
#include "addin/ProcessState.h"
#include "base/MessageLoop.h"
#include "forms/ModalDriver.h"
#include "host/ClassRegistry.h"
#include "host/ComServer.h"
#include "os/OsServices.h"

namespace {

kov::ProcessState& ModuleState() {
  static kov::ProcessState state;
  return state;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t ComServerAttach(
    const kov::host::ComServerHost* host) {
  if (host == nullptr) return -1;
  kov::os::InstallOs(host->os);
  kov::host::InstallClassRegistry(host->classes);
  kov::MessageLoop::Install(host->loop);
  kov::forms::InstallModalDriver(host->modalDriver);
  static kov::ScopedProcessState installed(ModuleState());
  return 0;
}

__attribute__((visibility("default"))) void ComServerCreateObject(
    const char* progId, std::shared_ptr<kov::host::ComObject>* out) {
  if (progId == nullptr || out == nullptr) return;
  *out = kov::CreateKovelinObject(progId);
}

}  // extern "C"

// How an in-process server (the add-in's module) is attached to its host: the module has its own
// copies of the process-wide accessors, so the host hands it the services it runs on before it
// creates any object. Exported by the module as plain C functions:
//
//   int32_t ComServerAttach(const kov::host::ComServerHost* host);
//   void ComServerCreateObject(const char* progId, std::shared_ptr<kov::host::ComObject>* out);
#pragma once

#include <cstdint>
#include <memory>

#include "host/ComObject.h"

namespace kov {
class MessageLoop;
namespace os {
struct OsServices;
}
namespace forms {
class ModalDriver;
}
namespace host {

class ClassRegistry;

struct ComServerHost {
  const os::OsServices* os = nullptr;
  ClassRegistry* classes = nullptr;
  MessageLoop* loop = nullptr;
  forms::ModalDriver* modalDriver = nullptr;
};

inline constexpr const char* kComServerAttach = "ComServerAttach";
inline constexpr const char* kComServerCreateObject = "ComServerCreateObject";

extern "C" {
using ComServerAttachFn = int32_t (*)(const ComServerHost* host);
using ComServerCreateObjectFn = void (*)(const char* progId, std::shared_ptr<ComObject>* out);
}

}  // namespace host
}  // namespace kov

// In-process servers on demand, as COM finds them: a ProgID that the class registry does not know
// is looked up in the registry (HKEY_CLASSES_ROOT\<ProgID>\InprocServer32, default value: the
// module's path); the module is loaded, attached to its host's services once, and asked for the
// object.
#pragma once

#include <string>

#include "host/ClassRegistry.h"
#include "host/ComServer.h"

namespace kov::substitute {

void InstallComServerLoader(host::ClassRegistry& classes, const host::ComServerHost& services);

// Registers a ProgID's module path the way InstallComServerLoader reads it.
void RegisterComServer(const std::string& progId, const std::string& modulePath);

}  // namespace kov::substitute

#include "windows/SubstituteOs.h"

namespace kov::substitute {

SubstituteOs::SubstituteOs(const SubstituteOsOptions& options, bool saveRegistryOnChange)
    : registry_(std::make_unique<RegFileRegistry>(options.registryFile, saveRegistryOnChange)),
      modules_(options.addinPath, options.libraryFolders) {}

os::OsServices SubstituteOs::Services() {
  os::OsServices services;
  services.registry = registry_.get();
  services.environment = &environment_;
  services.files = &files_;
  services.windows = &windows_;
  services.htmlHelp = &htmlHelp_;
  services.locale = &locale_;
  services.modules = &modules_;
  services.version = &version_;
  return services;
}

}  // namespace kov::substitute

// Installs the add-in into a profile as its setup would: the module and its home page into the
// add-in's folder, its classes registered by ProgID, and its entry in the host's list of add-ins
// to load at start.
#pragma once

#include <string>

namespace kov::sim {

// Copies Kovelin.so and KovelinOrganizer.html from `programFolder` (where the build puts them)
// into `addinFolder` and registers them. Returns false when the module is not there to install.
bool InstallAddin(const std::string& programFolder, const std::string& addinFolder);

}  // namespace kov::sim

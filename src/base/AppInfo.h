// Facts about the add-in's own file that texts and error sources are built from.
#pragma once

namespace kov {

// The add-in's file name without extension: the first half of every error source
// ("Kovelin.CRegistry") and the name the module is built under.
inline constexpr const char* kAppExeName = "Kovelin";

// The name shown to users.
inline constexpr const char* kProductName = "Kovelin Organizer";

// Version of the component (file version 1.1.0.123).
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 123;

}  // namespace kov

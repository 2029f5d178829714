// The plain error log "Log.txt" beside the add-in's file, used where the maker's library is not
// (folder restoration), and the component's version text.
#pragma once

#include <cstdint>
#include <string>

namespace kov {

// "(Version:1.1.123)".
std::string VersionText();

// Appends one line to Log.txt: the local date and time in the general date format, a blank,
// VersionText, then " ___Module:", Module, ", Procedure:", Procedure, ", Line:", Line,
// ", ErrNumber:", ErrNumber, ", Description:", Description. A failure to open or write the file
// raises to the caller.
void WriteErrorLog(const std::string& Module, const std::string& Procedure, const std::string& Line,
                   int32_t ErrNumber, const std::string& Description);

// The general date format of the local time ("12/11/2026 3:04:05 AM"; the date alone at
// midnight), as VB prints Now.
std::string GeneralDateNow();

}  // namespace kov

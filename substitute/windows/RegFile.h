// The registry's persistent form: a REGEDIT4 text file as regedit exports it (8-bit text,
// CR LF line ends, one section a key, values as "text", dword:, hex: and hex(N): lines, long hex
// lines continued with a backslash). A file that does not follow that form is refused with the
// file's name and the line at fault, never repaired or dropped.
#pragma once

#include <stdexcept>
#include <string>

#include "windows/RegTree.h"

namespace kov::substitute {

class RegFileError : public std::runtime_error {
 public:
  RegFileError(const std::string& file, int line, const std::string& what);
  int Line() const { return line_; }

 private:
  int line_;
};

// Reads the text of a .reg file; `fileName` only names the file in errors.
RegTree ParseRegFile(const std::string& text, const std::string& fileName);

// Writes every key (empty ones too, so that they survive) in REGEDIT4 form.
std::string FormatRegFile(const RegTree& tree);
// One key ("HKEY_CURRENT_USER\Software\…", letter case ignored) and its sub-keys, as sections
// without the file's header; "" when the key does not exist.
std::string FormatRegKey(const RegTree& tree, const std::string& fullPath);

}  // namespace kov::substitute

// The store file: one JSON document with every store, folder, item, view and hidden message
// (its format is described in README.md beside this file). Saving writes a temporary file and
// renames it over the old one. A malformed file is refused with its name and what is wrong.
#pragma once

#include <stdexcept>
#include <string>

#include "outlook/StoreModel.h"

namespace kov::outlook {

class StoreFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

StoreSet LoadStoreFile(const std::string& path);
// `fileName` only names the text in errors.
StoreSet ParseStore(const std::string& json, const std::string& fileName);
std::string FormatStore(const StoreSet& stores);
// Raises StoreFileError when the file cannot be written; the old file is then left as it was.
void SaveStoreFile(const StoreSet& stores, const std::string& path);

}  // namespace kov::outlook

// The registry substitute: the registry calls answered from an in-memory tree that is loaded
// from a REGEDIT4 file when the object is made and written back, atomically, after every change.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "os/RegistryApi.h"
#include "windows/RegTree.h"

namespace kov::substitute {

class RegFileRegistry : public os::RegistryApi {
 public:
  // Loads `path` when it exists (a malformed file raises RegFileError and is left untouched);
  // a missing file starts an empty registry that is written at the first change. An empty path
  // keeps the registry in memory only. With saveOnChange false, changes stay in memory until
  // Save, so that a run can end without touching the file.
  explicit RegFileRegistry(std::string path = "", bool saveOnChange = true);

  // Writes the file now (atomically); raises RegFileError when it cannot be written.
  void Save();
  // One key and its sub-keys in REGEDIT4 form ("" when the key does not exist); an empty path
  // gives the whole registry.
  std::string ExportKey(const std::string& fullPath) const;

  const std::string& Path() const { return path_; }
  // The registry's contents as the file holds them.
  std::string Export() const;

  int32_t CreateKey(os::RegKey parent, const std::string& subKey, uint32_t access,
                    os::RegKey* result) override;
  int32_t OpenKey(os::RegKey parent, const std::string& subKey, uint32_t access,
                  os::RegKey* result) override;
  int32_t CloseKey(os::RegKey key) override;
  int32_t DeleteSubKey(os::RegKey parent, const std::string& subKey) override;
  int32_t DeleteValue(os::RegKey key, const std::string& valueName) override;
  int32_t QueryValue(os::RegKey key, const std::string& valueName, uint32_t* type, uint8_t* data,
                     uint32_t* size) override;
  int32_t SetValue(os::RegKey key, const std::string& valueName, uint32_t type, const uint8_t* data,
                   uint32_t size) override;
  int32_t EnumKey(os::RegKey key, uint32_t index, char* name, uint32_t* nameChars) override;
  int32_t EnumValue(os::RegKey key, uint32_t index, char* name, uint32_t* nameChars) override;
  int32_t QueryInfoKey(os::RegKey key, uint32_t* subKeys, uint32_t* maxSubKeyChars,
                       uint32_t* values, uint32_t* maxValueNameChars) override;

  // How many handles are open; tests use it to see that every open key was closed.
  size_t OpenHandles() const { return handles_.size(); }

 private:
  struct Handle {
    uint32_t root;
    std::vector<std::string> path;
    uint32_t access;
  };

  // The node a handle names, or null when the handle is unknown or its key was deleted.
  RegNode* Node(os::RegKey key, int32_t* error);
  const Handle* HandleOf(os::RegKey key) const;
  // Splits a sub-key path; false for an empty level.
  static bool SplitPath(const std::string& subKey, std::vector<std::string>* levels);
  int32_t Open(os::RegKey parent, const std::string& subKey, uint32_t access, bool create,
               os::RegKey* result);
  // Writes the file after a change; on failure the change is undone.
  int32_t Persist(RegTree before);
  bool WriteFile() const;
  static int32_t CopyName(const std::string& source, char* name, uint32_t* nameChars);

  std::string path_;
  bool saveOnChange_ = true;
  RegTree tree_;
  std::map<os::RegKey, Handle> handles_;
  os::RegKey nextHandle_ = 0x1000;
};

}  // namespace kov::substitute

// Find-first-file over the local file system, with "*" and "?" in the last level.
#pragma once

#include <map>

#include "os/FileApi.h"

namespace kov::substitute {

class HostFiles : public os::FileApi {
 public:
  os::FindHandle FindFirst(const std::string& pattern) override;
  bool FindClose(os::FindHandle handle) override;
  char PathSeparator() const override { return '/'; }
  uint32_t CopyOver(const std::string& from, const std::string& to) override;

  size_t OpenSearches() const { return searches_.size(); }

 private:
  std::map<os::FindHandle, std::string> searches_;
  os::FindHandle next_ = 100;
};

// Windows' wildcard match of one name: "*" any run, "?" one character, letter case ignored.
bool WildcardMatch(const std::string& pattern, const std::string& name);

}  // namespace kov::substitute

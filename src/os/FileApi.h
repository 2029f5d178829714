// The file-system calls the system makes through Windows rather than through the C++ library:
// find-first-file (which takes wildcards in the last level) and the platform's path separator.
#pragma once

#include <cstdint>
#include <string>

namespace kov::os {

using FindHandle = std::intptr_t;
inline constexpr FindHandle kInvalidFindHandle = -1;

class FileApi {
 public:
  FileApi() = default;
  virtual ~FileApi() = default;
  FileApi(const FileApi&) = delete;
  FileApi& operator=(const FileApi&) = delete;

  // Starts a search for `pattern` (a UTF-8 path whose last level may hold "*" and "?"). Returns
  // a handle when at least one entry matches, kInvalidFindHandle otherwise.
  virtual FindHandle FindFirst(const std::string& pattern) = 0;
  // Ends a search; false when the handle is not an open search.
  virtual bool FindClose(FindHandle handle) = 0;
  // "\" on Windows, "/" elsewhere: how a folder and a file name are joined.
  virtual char PathSeparator() const = 0;
  // Copies a file over any file already at the destination; 0 on success, otherwise the
  // system error number (2 for a missing source file, 3 for a missing folder, …).
  virtual uint32_t CopyOver(const std::string& from, const std::string& to) = 0;
};

}  // namespace kov::os

// A folder under the system's temporary folder, removed with everything in it at the end; and
// whole-file reads and writes for checking what code wrote.
#pragma once

#include <filesystem>
#include <string>

namespace kov::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Reads a whole file as bytes ("" when it is missing).
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace kov::testing

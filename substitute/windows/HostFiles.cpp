#include "windows/HostFiles.h"

#include <filesystem>

#include "base/Text.h"
#include "base/TextFile.h"

namespace kov::substitute {
namespace {

bool Match(const std::u32string& p, size_t i, const std::u32string& n, size_t j) {
  while (i < p.size()) {
    if (p[i] == U'*') {
      for (size_t k = j; k <= n.size(); ++k) {
        if (Match(p, i + 1, n, k)) return true;
      }
      return false;
    }
    if (j >= n.size()) return false;
    if (p[i] != U'?' &&
        !TextEquals(FromCodePoints(p.substr(i, 1)), FromCodePoints(n.substr(j, 1)))) {
      return false;
    }
    ++i;
    ++j;
  }
  return j == n.size();
}

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  return Match(ToCodePoints(pattern), 0, ToCodePoints(name), 0);
}

os::FindHandle HostFiles::FindFirst(const std::string& pattern) {
  const auto path = FsPath(pattern);
  const std::string leaf = path.filename().string();
  bool found = false;
  std::error_code ec;
  if (leaf.find_first_of("*?") == std::string::npos) {
    found = !leaf.empty() && std::filesystem::exists(path, ec);
  } else {
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
      if (WildcardMatch(leaf, it->path().filename().string())) {
        found = true;
        break;
      }
    }
  }
  if (!found) return os::kInvalidFindHandle;
  const os::FindHandle handle = next_++;
  searches_.emplace(handle, pattern);
  return handle;
}

uint32_t HostFiles::CopyOver(const std::string& from, const std::string& to) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path source = FsPath(from);
  const fs::path target = FsPath(to);
  if (!fs::is_regular_file(source, ec)) return 2;             // ERROR_FILE_NOT_FOUND
  if (!fs::is_directory(target.parent_path(), ec)) return 3;  // ERROR_PATH_NOT_FOUND
  fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
  return ec ? 5 : 0;  // ERROR_ACCESS_DENIED for anything else
}

bool HostFiles::FindClose(os::FindHandle handle) { return searches_.erase(handle) > 0; }

}  // namespace kov::substitute

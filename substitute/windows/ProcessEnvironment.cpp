#include "windows/ProcessEnvironment.h"

#include <cstdlib>
#include <cstring>

#include "base/Text.h"

namespace kov::substitute {

std::optional<std::string> ProcessEnvironment::Lookup(const std::string& name) const {
  // Windows looks names up without regard to letter case.
  for (const auto& [key, value] : overrides_) {
    if (TextEquals(key, name)) return value;
  }
  if (const char* value = std::getenv(name.c_str())) return std::string(value);
  return std::nullopt;
}

std::string ProcessEnvironment::Expand(const std::string& text) const {
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find('%', pos);
    if (open == std::string::npos) break;
    const size_t close = text.find('%', open + 1);
    if (close == std::string::npos) break;
    const std::string name = text.substr(open + 1, close - open - 1);
    const auto value = name.empty() ? std::nullopt : Lookup(name);
    if (value) {
      out += text.substr(pos, open - pos) + *value;
      pos = close + 1;
    } else {
      // The closing "%" may open the next reference, as it does on Windows.
      out += text.substr(pos, close - pos);
      pos = close;
    }
  }
  return out + text.substr(pos);
}

uint32_t ProcessEnvironment::ExpandEnvironment(const char* source, char* buffer,
                                               uint32_t bufferChars) {
  if (source == nullptr) return 0;
  const std::string expanded = Expand(source);
  const auto needed = static_cast<uint32_t>(expanded.size() + 1);
  if (buffer != nullptr && bufferChars >= needed) {
    std::memcpy(buffer, expanded.c_str(), needed);
  }
  return needed;
}

}  // namespace kov::substitute

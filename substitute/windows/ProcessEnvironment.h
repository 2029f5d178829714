// Environment expansion over the process environment, with Windows' rules.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "os/EnvironmentApi.h"

namespace kov::substitute {

class ProcessEnvironment : public os::EnvironmentApi {
 public:
  uint32_t ExpandEnvironment(const char* source, char* buffer, uint32_t bufferChars) override;

  // Variables set here hide the process environment; tests use them to stay independent of
  // the machine they run on.
  void Set(const std::string& name, const std::string& value) { overrides_[name] = value; }

  // The expansion itself: "%NAME%" for a known NAME becomes its value, anything else stays.
  std::string Expand(const std::string& text) const;

 private:
  std::optional<std::string> Lookup(const std::string& name) const;

  std::map<std::string, std::string> overrides_;
};

}  // namespace kov::substitute

// The user's locale settings the system reads.
#pragma once

#include <string>

namespace kov::os {

class LocaleApi {
 public:
  LocaleApi() = default;
  virtual ~LocaleApi() = default;
  LocaleApi(const LocaleApi&) = delete;
  LocaleApi& operator=(const LocaleApi&) = delete;

  // The list separator of the user's default locale (UTF-8), "," in most English locales.
  virtual std::string ListSeparator() const = 0;
};

}  // namespace kov::os

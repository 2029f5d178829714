// A locale whose settings are chosen when it is made (a list separator of "," by default).
#pragma once

#include <string>

#include "os/LocaleApi.h"

namespace kov::substitute {

class FixedLocale : public os::LocaleApi {
 public:
  explicit FixedLocale(std::string listSeparator = ",")
      : listSeparator_(std::move(listSeparator)) {}
  std::string ListSeparator() const override { return listSeparator_; }
  void SetListSeparator(std::string separator) { listSeparator_ = std::move(separator); }

 private:
  std::string listSeparator_;
};

}  // namespace kov::substitute

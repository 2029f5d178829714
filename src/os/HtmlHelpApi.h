// The HTML Help call (HtmlHelpA): an owner window, the target "file>window", a command and the
// command's data. Only the commands the system sends are modelled.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace kov::os {

inline constexpr uint32_t kHhDisplayTopic = 0;
inline constexpr uint32_t kHhDisplayToc = 1;
inline constexpr uint32_t kHhDisplayIndex = 2;
inline constexpr uint32_t kHhDisplaySearch = 3;
inline constexpr uint32_t kHhCloseAll = 18;

// The full-text search query record of the display-search command.
struct HhFtsQuery {
  int32_t cbStruct = 32;
  bool fUniCodeStrings = false;
  std::string pszSearchQuery;
  int32_t iProximity = 0;
  bool fStemmedSearch = false;
  bool fTitleOnly = false;
  bool fExecute = true;
  std::string pszWindow;
  bool operator==(const HhFtsQuery&) const = default;
};

// The data argument: a number, an 8-bit text (a topic path) or a search record.
using HhData = std::variant<std::uintptr_t, std::string, HhFtsQuery>;

class HtmlHelpApi {
 public:
  HtmlHelpApi() = default;
  virtual ~HtmlHelpApi() = default;
  HtmlHelpApi(const HtmlHelpApi&) = delete;
  HtmlHelpApi& operator=(const HtmlHelpApi&) = delete;

  // Texts are 8-bit code-page bytes. Returns the help window's handle, 0 when none opened.
  virtual int32_t Call(int32_t hwndCaller, const std::string& file, uint32_t command,
                       const HhData& data) = 0;
};

}  // namespace kov::os

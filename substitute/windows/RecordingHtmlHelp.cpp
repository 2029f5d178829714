#include "windows/RecordingHtmlHelp.h"

#include "base/Text.h"

namespace kov::substitute {

int32_t RecordingHtmlHelp::Call(int32_t hwndCaller, const std::string& file, uint32_t command,
                                const os::HhData& data) {
  std::string text;
  if (const auto* number = std::get_if<std::uintptr_t>(&data)) {
    text = std::to_string(*number);
  } else if (const auto* topic = std::get_if<std::string>(&data)) {
    text = FromAnsi(*topic);
  } else {
    const auto& query = std::get<os::HhFtsQuery>(data);
    text = "search(size=" + std::to_string(query.cbStruct) +
           ",unicode=" + std::to_string(query.fUniCodeStrings) + ",query=\"" +
           FromAnsi(query.pszSearchQuery) + "\",proximity=" + std::to_string(query.iProximity) +
           ",stemmed=" + std::to_string(query.fStemmedSearch) +
           ",titleonly=" + std::to_string(query.fTitleOnly) +
           ",execute=" + std::to_string(query.fExecute) + ",window=\"" + FromAnsi(query.pszWindow) +
           "\")";
  }
  calls_.push_back(HtmlHelpCall{command, hwndCaller, FromAnsi(file), text});
  if (OnCall) OnCall(calls_.back());
  // Close-all opens nothing; every other command "opens" a help window.
  return command == os::kHhCloseAll ? 0 : 0x20000;
}

std::string DescribeHtmlHelpCall(const HtmlHelpCall& call) {
  return "HTML Help: command " + std::to_string(call.command) + ", owner " +
         std::to_string(call.owner) + ", \"" + call.target + "\", " + call.data;
}

}  // namespace kov::substitute

// HTML Help without a help viewer: every call is recorded (command, owner, "file>window" and the
// data as text), so that tests and the program can show which help a person would have seen.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "os/HtmlHelpApi.h"

namespace kov::substitute {

struct HtmlHelpCall {
  uint32_t command;
  int32_t owner;
  std::string target;  // UTF-8
  std::string data;    // UTF-8: the topic, a number, or the search record described
  bool operator==(const HtmlHelpCall&) const = default;
};

class RecordingHtmlHelp : public os::HtmlHelpApi {
 public:
  int32_t Call(int32_t hwndCaller, const std::string& file, uint32_t command,
               const os::HhData& data) override;

  const std::vector<HtmlHelpCall>& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }
  // Told of every call as it happens (the program prints them).
  std::function<void(const HtmlHelpCall&)> OnCall;

 private:
  std::vector<HtmlHelpCall> calls_;
};

// One line describing a call, as the program prints it.
std::string DescribeHtmlHelpCall(const HtmlHelpCall& call);

}  // namespace kov::substitute

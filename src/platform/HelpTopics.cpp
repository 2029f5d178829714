#include "platform/HelpTopics.h"

#include "base/Text.h"
#include "os/OsServices.h"

namespace kov::help {

std::string WizardStepTopic(int step) {
  return std::string(kWizardFolder) + "Step_" + std::to_string(step) + "_of_4.htm";
}

std::string HelpFilePath() { return os::JoinPath(os::AddinFolder(), kHelpFileName); }

void ShowHelpTopic(const std::string& topic) {
  os::HhData data = std::uintptr_t{0};
  if (!topic.empty()) data = ToAnsi(topic);
  os::Os().htmlHelp->Call(0, ToAnsi(HelpFilePath()), os::kHhDisplayTopic, data);
}

}  // namespace kov::help

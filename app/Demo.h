// The built-in scenario `kovelin-sim demo` runs: a tour of what the add-in does so far.
#pragma once

#include <string>
#include <vector>

namespace kov::sim {

std::vector<std::string> DemoScript();

}  // namespace kov::sim

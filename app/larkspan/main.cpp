// larkspan on Linux: the manifest installer on the Windows services substitutes. The registry is
// the .reg file named by KOVELIN_REGISTRY (default: larkspan.reg beside the program), and
// KOVELIN_OS_VERSION ("5.1", or "fail:N" for a failing version query) sets the system version.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "larkspan/Larkspan.h"
#include "windows/RegFile.h"
#include "windows/SubstituteOs.h"

int main() {
  namespace fs = std::filesystem;
  std::error_code ec;
  const std::string program = fs::read_symlink("/proc/self/exe", ec).string();
  kov::substitute::SubstituteOsOptions options;
  const char* registry = std::getenv("KOVELIN_REGISTRY");
  options.registryFile =
      registry != nullptr ? registry : (fs::path(program).parent_path() / "larkspan.reg").string();
  try {
    kov::substitute::SubstituteOs substitutes(options);
    if (const char* version = std::getenv("KOVELIN_OS_VERSION")) {
      const std::string text = version;
      if (text.rfind("fail:", 0) == 0) {
        substitutes.Version().failure = static_cast<uint32_t>(std::stoul(text.substr(5)));
      } else {
        substitutes.Version().major = static_cast<uint32_t>(std::stoul(text));
        substitutes.Version().minor =
            static_cast<uint32_t>(std::stoul(text.substr(text.find('.') + 1)));
      }
    }
    kov::os::ScopedOs installed(substitutes.Services());
    return kov::larkspan::RunLarkspan();
  } catch (const kov::substitute::RegFileError& e) {
    std::cerr << "larkspan: " << e.what() << "\n";
    return -1;
  }
}

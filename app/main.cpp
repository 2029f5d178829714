// kovelin-sim: runs the Outlook stand-in with the add-in's services on a profile folder and plays
// scenarios of user actions, printing what a person would see.
//
//   kovelin-sim [--profile DIR] [--store FILE] [--version 10.0|11.0] demo
//   kovelin-sim [--profile DIR] [--store FILE] [--version 10.0|11.0] script FILE|-
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "Demo.h"
#include "ScriptRunner.h"
#include "Simulator.h"
#include "outlook/StoreFile.h"
#include "windows/RegFile.h"

namespace {

constexpr const char* kUsage =
    "usage: kovelin-sim [--profile DIR] [--store FILE] [--version 10.0|11.0] (demo | script "
    "FILE|-)\n";

std::string ProgramFolder() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
}

// A profile under the temporary folder, removed when the run ends.
class TemporaryProfile {
 public:
  TemporaryProfile() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("kovelin-sim-" + std::to_string(random()));
  }
  ~TemporaryProfile() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace kov::sim;
  SimulatorOptions options;
  std::vector<std::string> args(argv + 1, argv + argc);
  size_t i = 0;
  for (; i < args.size() && args[i].rfind("--", 0) == 0; i += 2) {
    if (i + 1 >= args.size()) {
      std::cerr << kUsage;
      return kRunBadInput;
    }
    if (args[i] == "--profile") {
      options.profile = args[i + 1];
    } else if (args[i] == "--store") {
      options.storeFile = args[i + 1];
    } else if (args[i] == "--version" && (args[i + 1] == "10.0" || args[i + 1] == "11.0")) {
      options.version = args[i + 1];
    } else {
      std::cerr << kUsage;
      return kRunBadInput;
    }
  }
  if (i >= args.size()) {
    std::cerr << kUsage;
    return kRunBadInput;
  }
  const std::string command = args[i];
  std::vector<std::string> script;
  if (command == "demo" && i + 1 == args.size()) {
    script = DemoScript();
  } else if (command == "script" && i + 2 == args.size()) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (args[i + 1] != "-") {
      file.open(args[i + 1]);
      if (!file) {
        std::cerr << "kovelin-sim: cannot read the script " << args[i + 1] << "\n";
        return kRunBadInput;
      }
      in = &file;
    }
    for (std::string line; std::getline(*in, line);) script.push_back(line);
  } else {
    std::cerr << kUsage;
    return kRunBadInput;
  }

  // A malformed script is refused before the profile is opened.
  const auto parsed = ScriptRunner::Parse(script, std::cout);
  if (!parsed) return kRunBadInput;

  TemporaryProfile temporary;
  if (options.profile.empty()) options.profile = temporary.Path();
  options.libraryFolders = {ProgramFolder()};
  options.programFolder = ProgramFolder();
  try {
    Simulator simulator(options);
    ScriptRunner runner(simulator, std::cout);
    const int result = runner.Run(*parsed);
    if (result != kRunBadInput) simulator.Persist();
    return result;
  } catch (const kov::outlook::StoreFileError& e) {
    std::cerr << "kovelin-sim: " << e.what() << "\n";
  } catch (const kov::substitute::RegFileError& e) {
    std::cerr << "kovelin-sim: " << e.what() << "\n";
  }
  return kRunBadInput;
}

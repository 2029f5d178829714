// Runs a scenario: one command a line, '#' starts a comment, arguments with blanks in double
// quotes. Each command is printed with what it caused; `expect` and `expect-not` test the output
// of the command before them. The whole script is checked before anything runs, so that a
// malformed script changes nothing.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "Simulator.h"

namespace kov {
class BrastowTabs;
}

namespace kov::sim {

// Exit codes of a run.
inline constexpr int kRunPassed = 0;
inline constexpr int kRunFailed = 1;    // a failing line (expect, an unanswered window, …)
inline constexpr int kRunBadInput = 2;  // a malformed script, an unknown folder, …

class ScriptRunner {
 public:
  struct Line {
    int number = 0;
    std::string text;
    std::vector<std::string> words;  // the command and its arguments, quotes removed
    std::string rest;                // the text after the command word, as written
  };

  // Checks every line: a malformed one is reported on `out` and nullopt returned.
  static std::optional<std::vector<Line>> Parse(const std::vector<std::string>& lines,
                                                std::ostream& out);

  ScriptRunner(Simulator& simulator, std::ostream& out);
  int Run(const std::vector<Line>& script);

 private:
  void Execute(const Line& line);
  void Explorer(const Line& line);
  void Registry(const Line& line);
  void Show(const Line& line);
  void Click(const std::string& caption);

  std::shared_ptr<outlook::StandInExplorer> Active();
  std::shared_ptr<BrastowTabs> TabBar();
  static int BarNumber(const std::string& name);
  void Snapshot(const std::string& file);
  std::shared_ptr<outlook::StandInExplorer> ExplorerNumber(const std::string& text);
  host::FolderPtr FolderAt(const std::string& path);
  void Print(const std::string& text);

  Simulator& sim_;
  std::ostream& out_;
  std::string output_;      // what the current command printed
  std::string lastOutput_;  // what the previous command printed, for expect
};

// Splits one line into words; raises std::invalid_argument for an unterminated quote.
std::vector<std::string> SplitScriptWords(const std::string& line);

}  // namespace kov::sim

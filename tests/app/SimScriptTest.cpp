// Scenario runs through the kovelin-sim program itself: exit codes, transcripts and what the
// profile keeps between runs.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "outlook/StoreFile.h"
#include "support/SmallStore.h"
#include "support/TestSession.h"

namespace kov {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

struct SimRun {
  int exitCode;
  std::string output;
};

class SimScriptTest : public ::testing::Test {
 protected:
  SimRun Sim(const std::string& script, const std::string& options = "") {
    const std::string file = folder_ / "script.txt";
    WriteBytes(file, script);
    const std::string command =
        std::string(KOVELIN_SIM) + " " + options + " script " + file + " 2>&1";
    SimRun run{0, ""};
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
  }

  std::string Profile() const { return folder_ / "profile"; }

  TempFolder folder_;
};

TEST_F(SimScriptTest, TheCommandsRunAndPrintWhatTheyCaused) {
  const SimRun run =
      Sim("# comments and blank lines are skipped\n"
          "\n"
          "explorer open \"\\\\Personal Folders\\Inbox\"\n"
          "explorer open \"\\\\Personal Folders\\Tasks\"\n"
          "explorer activate 1\n"
          "show explorers\n"
          "expect 1: \\\\Personal Folders\\Inbox (active)\n"
          "enter \"\\\\Personal Folders\\Projects\\Apollo\"\n"
          "show folder\n"
          "expect folder: \\\\Personal Folders\\Projects\\Apollo\n"
          "expect home page: off\n"
          "view \"Unread Messages\"\n"
          "show items\n"
          "expect-not items: 25\n"
          "view Messages\n"
          "show items\n"
          "expect items: 25\n"
          "select 1 3\n"
          "expect selected: 2\n"
          "context-menu\n"
          "show commandbars\n"
          "expect no controls\n"
          "show filter\n"
          "expect filter: (no view control)\n"
          "answer \"Kovelin Organizer - Activation\" \"No to All\"\n"
          "prompt \"\\\\Personal Folders\\Calendar\"\n"
          "expect Result: 2\n"
          "show log\n"
          "expect LibZenquor.log:\n"
          "explorer close 2\n"
          "expect explorers open: 1\n"
          "wait 5\n");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("> enter \"\\\\Personal Folders\\Projects\\Apollo\""),
            std::string::npos);
  EXPECT_NE(run.output.find("Kovelin Organizer - Activation\n"), std::string::npos);
  EXPECT_NE(run.output.find("-> No to All"), std::string::npos);
}

TEST_F(SimScriptTest, FailingLinesExitWithOneAndNameTheLine) {
  struct Case {
    std::string script;
    std::string message;
  };
  const Case cases[] = {
      {"explorer open\nshow folder\nexpect type: 9\n", "line 3 failed: expected to see: type: 9"},
      {"explorer open\nshow folder\nexpect-not type: 0\n",
       "line 3 failed: expected not to see: type: 0"},
      {"explorer open\noptions\n",
       "line 2 failed: nothing was queued for the window \"Kovelin Organizer Options\""},
      {"explorer open\nanswer \"Kovelin Organizer Options\" Apply\noptions\n",
       "line 3 failed: \"Apply\" cannot be used: it is disabled"},
      {"explorer open\nclick \"Tab&s\"\n", "line 2 failed: no command-bar control \"Tab&s\""},
      {"explorer open\nview \"No Such View\"\n", "line 2 failed: The operation failed."},
  };
  for (const auto& c : cases) {
    const SimRun run = Sim(c.script);
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
  }
}

TEST_F(SimScriptTest, BadInputExitsWithTwoAndLeavesTheProfileAlone) {
  // A first run makes the profile.
  ASSERT_EQ(Sim("explorer open\n", "--profile " + Profile()).exitCode, 0);
  const std::string store = ReadBytes(Profile() + "/store.json");
  const std::string registry = ReadBytes(Profile() + "/registry.reg");
  ASSERT_FALSE(store.empty());
  ASSERT_FALSE(registry.empty());
  struct Case {
    std::string script;
    std::string message;
  };
  const Case cases[] = {
      {"explorer open\nfrobnicate\n", "line 2: unknown command \"frobnicate\""},
      {"enter\n", "line 1: wrong number of arguments for \"enter\""},
      {"explorer open \"\\\\Personal Folders\n", "line 1: a quote is not closed"},
      {"expect\n", "line 1: wrong number of arguments for \"expect\""},
      // Changes made before the bad line are not kept.
      {"type \"Kovelin Organizer Options\" chkContextMenu 1\nanswer \"Kovelin Organizer Options\" "
       "OK\noptions\nenter \"\\\\Personal Folders\\Nowhere\"\n",
       "line 4: there is no folder \\\\Personal Folders\\Nowhere"},
      {"explorer open\nexplorer activate 3\n", "line 2: there is no explorer 3"},
      {"explorer open\nselect 999\n", "line 2: the folder has no such item"},
      {"explorer open\nshow registry HKEY_CURRENT_USER\\Nowhere\n",
       "line 2: there is no registry key HKEY_CURRENT_USER\\Nowhere"},
  };
  for (const auto& c : cases) {
    const SimRun run = Sim(c.script, "--profile " + Profile());
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_EQ(ReadBytes(Profile() + "/store.json"), store);
    EXPECT_EQ(ReadBytes(Profile() + "/registry.reg"), registry);
  }
}

TEST_F(SimScriptTest, MalformedProfileFilesAreRefused) {
  std::filesystem::create_directories(Profile());
  WriteBytes(Profile() + "/registry.reg", "REGEDIT4\r\n[HKEY_NOWHERE]\r\n");
  SimRun run = Sim("explorer open\n", "--profile " + Profile());
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("registry.reg, line 2: unknown root key"), std::string::npos)
      << run.output;
  EXPECT_EQ(ReadBytes(Profile() + "/registry.reg"), "REGEDIT4\r\n[HKEY_NOWHERE]\r\n");

  WriteBytes(folder_ / "bad.json", "{\"format\":\"kovelin-store/1\"}");
  run = Sim("explorer open\n", "--store " + folder_ / "bad.json");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("bad.json: stores: is missing"), std::string::npos) << run.output;
}

TEST_F(SimScriptTest, TheProfileKeepsTheRegistryAndStoreBetweenRuns) {
  ASSERT_EQ(Sim("type \"Kovelin Organizer Options\" chkContextMenu 1\n"
                "answer \"Kovelin Organizer Options\" OK\n"
                "options\n",
                "--profile " + Profile())
                .exitCode,
            0);
  const SimRun run =
      Sim("show registry \"HKEY_CURRENT_USER\\Software\\Zenquor\\Kovelin Organizer\"\n"
          "expect [HKEY_CURRENT_USER\\Software\\Zenquor\\Kovelin Organizer\\Folders]\n"
          "expect \"AllFolders\"=\"11\"\n",
          "--profile " + Profile());
  EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST_F(SimScriptTest, ASnapshotDrawsThePage) {
  const std::string html = folder_ / "page.html";
  const SimRun run =
      Sim("start\n"
          "answer \"Kovelin Organizer - Activation\" No\n"
          "enter \"\\\\Personal Folders\\Projects\"\n"
          "wait 200\n"
          "click \"Tab&s\"\n"
          "wait 300\n"
          "snapshot " +
          html +
          "\n"
          "quit\n");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const std::string page = ReadBytes(html);
  EXPECT_NE(page.find("<!DOCTYPE html>"), std::string::npos);
  EXPECT_NE(page.find(">All</div>"), std::string::npos);     // the strips' "All" tabs
  EXPECT_NE(page.find("overflow:auto"), std::string::npos);  // the view with its items
}

TEST_F(SimScriptTest, HiddenMessagesShowWithTheirLineEnds) {
  outlook::StoreSet store = kov::testing::SmallStore();
  store.stores[0]->root->folders[1]->hidden.push_back(
      {"h1", "Kovelin Organizer0Captions", "A|B\r\n"});
  outlook::SaveStoreFile(store, folder_ / "small.json");
  const SimRun run =
      Sim("show hidden \"\\\\Mailbox\\Inbox\"\n"
          "expect Kovelin Organizer0Captions: A|B\\r\\n\n"
          "show hidden \"\\\\Mailbox\\Tasks\"\n"
          "expect no hidden messages\n",
          "--store " + folder_ / "small.json" + " --version 10.0");
  EXPECT_EQ(run.exitCode, 0) << run.output;
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

// Every scenario under tests/scenarios passes; a first line "# options: …" gives the program's
// options for it.
TEST(Scenarios, AllPass) {
  TempFolder folder;
  int ran = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KOVELIN_SCENARIO_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const std::string script = ReadBytes(entry.path().string());
    std::string options;
    if (script.rfind("# options:", 0) == 0) options = script.substr(10, script.find('\n') - 10);
    const std::string command =
        std::string(KOVELIN_SIM) + options + " script " + entry.path().string() + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
    ++ran;
  }
  EXPECT_GE(ran, 5);
}

}  // namespace
}  // namespace kov

#include "base/TextFile.h"

#include <gtest/gtest.h>

#include "base/ComError.h"
#include "support/TempFolder.h"

namespace kov {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(TextFile, WritesAnsiWithCrLfAndReadsItBack) {
  TempFolder folder;
  const std::string path = folder / "words.txt";
  WriteTextLines(path, {"caf\u00E9", "", "\u20AC 5"});
  EXPECT_EQ(ReadBytes(path), "caf\xE9\r\n\r\n\x80 5\r\n");
  EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"caf\u00E9", "", "\u20AC 5"}));
}

TEST(TextFile, ReadsEveryKindOfLineEnd) {
  TempFolder folder;
  const std::string path = folder / "mixed.txt";
  WriteBytes(path, "a\r\nb\nc\rd");
  EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(TextFile, AppendKeepsWhatIsThere) {
  TempFolder folder;
  const std::string path = folder / "log.txt";
  AppendTextLine(path, "one");
  AppendTextLine(path, "two");
  EXPECT_EQ(ReadBytes(path), "one\r\ntwo\r\n");
}

TEST(TextFile, FailuresRaiseVbFileErrors) {
  TempFolder folder;
  try {
    ReadTextLines(folder / "missing.txt");
    FAIL();
  } catch (const ComError& e) {
    EXPECT_EQ(e.Number(), 53);
  }
  try {
    WriteTextLines(folder / "no-such-folder/x.txt", {"x"});
    FAIL();
  } catch (const ComError& e) {
    EXPECT_EQ(e.Number(), 76);
  }
}

}  // namespace
}  // namespace kov

#include "windows/HostFiles.h"

#include <gtest/gtest.h>

#include "support/TestSession.h"

namespace kov::substitute {
namespace {

TEST(HostFiles, FindFirstMatchesPathsAndWildcards) {
  kov::testing::TempFolder folder;
  kov::testing::WriteBytes(folder / "Kovelin.chm", "x");
  HostFiles files;
  struct Case {
    std::string pattern;
    bool found;
  };
  const Case cases[] = {
      {folder / "Kovelin.chm", true},
      {folder / "*.chm", true},
      {folder / "K?velin.*", true},
      {folder / "*.txt", false},
      {folder / "missing/Kovelin.chm", false},
  };
  for (const auto& c : cases) {
    const os::FindHandle handle = files.FindFirst(c.pattern);
    EXPECT_EQ(handle != os::kInvalidFindHandle, c.found) << c.pattern;
    if (handle != os::kInvalidFindHandle) {
      EXPECT_TRUE(files.FindClose(handle));
    }
  }
  EXPECT_EQ(files.OpenSearches(), 0u);
  EXPECT_FALSE(files.FindClose(12345));
}

TEST(HostFiles, WildcardsIgnoreCase) {
  EXPECT_TRUE(WildcardMatch("*.CHM", "help.chm"));
  EXPECT_TRUE(WildcardMatch("a*b*c", "aXXbYc"));
  EXPECT_FALSE(WildcardMatch("a?c", "ac"));
}

}  // namespace
}  // namespace kov::substitute

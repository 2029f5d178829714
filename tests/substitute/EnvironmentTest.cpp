#include <gtest/gtest.h>

#include "windows/ProcessEnvironment.h"

namespace kov::substitute {
namespace {

TEST(ProcessEnvironment, ExpandsKnownNamesAndLeavesTheRest) {
  ProcessEnvironment environment;
  environment.Set("KOVTEST", "C:\\Data");
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"%KOVTEST%\\x", "C:\\Data\\x"},
      {"%kovtest%", "C:\\Data"},
      {"%NO_SUCH_KOVELIN_NAME%", "%NO_SUCH_KOVELIN_NAME%"},
      {"100%", "100%"},
      {"%%", "%%"},
      // "% of %" names nothing, so its closing "%" may open the next reference.
      {"50% of %KOVTEST%", "50% of C:\\Data"},
      {"a%NO_SUCH_KOVELIN_NAME%KOVTEST%", "a%NO_SUCH_KOVELIN_NAMEC:\\Data"},
  };
  for (const auto& c : cases) EXPECT_EQ(environment.Expand(c.text), c.expected) << c.text;
}

TEST(ProcessEnvironment, ReportsTheLengthWithTheTerminator) {
  ProcessEnvironment environment;
  environment.Set("KOVTEST", "abc");
  const uint32_t needed = environment.ExpandEnvironment("x%KOVTEST%", nullptr, 0);
  EXPECT_EQ(needed, 5u);
  char small[3] = {'z', 'z', 'z'};
  EXPECT_EQ(environment.ExpandEnvironment("x%KOVTEST%", small, 3), 5u);
  EXPECT_EQ(small[0], 'z');
  char buffer[5];
  EXPECT_EQ(environment.ExpandEnvironment("x%KOVTEST%", buffer, 5), 5u);
  EXPECT_STREQ(buffer, "xabc");
}

}  // namespace
}  // namespace kov::substitute

// CHtmlHelp's file and window checks, on whichever backend this program was built with.
#include <gtest/gtest.h>

#include "base/ComError.h"
#include "contract/ContractBackend.h"
#include "platform/CHtmlHelp.h"
#include "support/TempFolder.h"

namespace kov::contract {
namespace {

int32_t ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ComError& e) {
    return e.Number() - vbObjectError;
  }
  return 0;
}

TEST(HtmlHelpContract, FileAndWindowChecks) {
  auto backend = MakeContractBackend();
  os::ScopedOs scoped(backend->Services());
  kov::testing::TempFolder folder;
  const std::string file = (folder.Path() / "Kovelin.chm").string();
  kov::testing::WriteBytes(file, "chm");
  CHtmlHelp help;
  EXPECT_EQ(ErrorOf([&] { help.Init("", "Main", 0); }), 17642);
  EXPECT_EQ(ErrorOf([&] { help.Init((folder.Path() / "none.chm").string(), "Main", 0); }), 17643);
  EXPECT_EQ(ErrorOf([&] { help.Init(file, "Main", 0); }), 0);
  EXPECT_EQ(help.FileName(), file);
  const int32_t window = os::Os().windows->CreateHandle();
  ASSERT_NE(window, 0);
  EXPECT_EQ(ErrorOf([&] { help.SetCallerHWnd(window); }), 0);
  os::Os().windows->DestroyHandle(window);
  EXPECT_EQ(ErrorOf([&] { help.SetCallerHWnd(window); }), 17644);
  EXPECT_EQ(ErrorOf([&] { help.SetFileName((folder.Path() / "*.chm").string()); }), 0);
}

}  // namespace
}  // namespace kov::contract

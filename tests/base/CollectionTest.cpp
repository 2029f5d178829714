#include "base/Collection.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

using kov::testing::ErrorNumber;

TEST(Collection, IndexesFromOneAndFindsKeysWithoutCase) {
  Collection<std::string> items;
  items.Add("first", "Exp1");
  items.Add("second", "Exp2");
  items.Add("zeroth", "", 1);
  EXPECT_EQ(items.Count(), 3);
  EXPECT_EQ(items.Item(1), "zeroth");
  EXPECT_EQ(items.Item(3), "second");
  EXPECT_EQ(items.Item("exp1"), "first");
  items.Remove("EXP1");
  EXPECT_FALSE(items.Contains("Exp1"));
  std::vector<std::string> seen(items.begin(), items.end());
  EXPECT_EQ(seen, (std::vector<std::string>{"zeroth", "second"}));
}

TEST(Collection, RaisesVbErrors) {
  Collection<int> items;
  items.Add(7, "a");
  EXPECT_EQ(ErrorNumber([&] { items.Item(0); }), 9);
  EXPECT_EQ(ErrorNumber([&] { items.Item(2); }), 9);
  EXPECT_EQ(ErrorNumber([&] { items.Remove(5); }), 9);
  EXPECT_EQ(ErrorNumber([&] { items.Item("b"); }), 5);
  EXPECT_EQ(ErrorNumber([&] { items.Remove("b"); }), 5);
  EXPECT_EQ(ErrorNumber([&] { items.Add(8, "A"); }), 457);
  try {
    items.Item(3);
  } catch (const ComError& e) {
    EXPECT_EQ(e.Description(), "Subscript out of range");
  }
  try {
    items.Item("zz");
  } catch (const ComError& e) {
    EXPECT_EQ(e.Description(), "Invalid procedure call or argument");
  }
  EXPECT_EQ(items.Count(), 1);
}

}  // namespace
}  // namespace kov

#include "base/Variant.h"

#include <gtest/gtest.h>

#include "base/ComError.h"

namespace kov {
namespace {

TEST(Variant, KindsAndConversions) {
  EXPECT_TRUE(Variant().IsEmpty());
  EXPECT_TRUE(Variant::Null().IsNull());
  EXPECT_EQ(Variant(int16_t{5}).GetKind(), Variant::Kind::Integer);
  EXPECT_EQ(Variant(int32_t{5}).GetKind(), Variant::Kind::Long);
  EXPECT_NE(Variant(int16_t{5}), Variant(int32_t{5}));
  EXPECT_EQ(Variant("10").ToString(), "10");
  EXPECT_EQ(Variant(int32_t{-3}).ToString(), "-3");
  EXPECT_EQ(Variant(true).ToString(), "True");
  EXPECT_EQ(Variant().ToString(), "");
  EXPECT_EQ(Variant(" 42 ").ToLong(), 42);
  EXPECT_EQ(Variant(true).ToLong(), -1);
  EXPECT_THROW(Variant::Null().ToString(), ComError);
  EXPECT_THROW(Variant("4x").ToLong(), ComError);
  EXPECT_THROW(Variant(ByteArray{1}).ToString(), ComError);
}

}  // namespace
}  // namespace kov

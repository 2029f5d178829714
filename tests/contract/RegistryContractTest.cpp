// The registry as CRegistry uses it, on whichever backend this program was built with.
#include <gtest/gtest.h>

#include "support/ErrorNumber.h"

#include <algorithm>
#include <random>

#include "base/ComError.h"
#include "base/MessageLoop.h"
#include "contract/ContractBackend.h"
#include "platform/CRegistry.h"

namespace kov::contract {
namespace {

class RegistryContract : public ::testing::Test {
 protected:
  RegistryContract() {
    std::random_device random;
    key_ = "Software\\KovelinContract\\Run" + std::to_string(random()) + "\\";
    registry_.SetRootKey(0x80000001u);
  }
  ~RegistryContract() override {
    DeleteTree(key_);
    registry_.DeleteKey("Software\\KovelinContract");
  }

  void DeleteTree(const std::string& key) {
    std::vector<std::string> children;
    registry_.GetAllSubKeys(key, children);
    for (const auto& child : children) DeleteTree(key + (key.back() == '\\' ? "" : "\\") + child);
    registry_.DeleteKey(key);
  }

  int32_t ErrorOf(const std::function<void()>& action) { return kov::testing::ErrorNumber(action); }

  std::unique_ptr<ContractBackend> backend_ = MakeContractBackend();
  os::ScopedOs scopedOs_{backend_->Services()};
  VirtualClock clock_;
  MessageLoop loop_{clock_};
  ScopedMessageLoop scopedLoop_{loop_};
  CRegistry registry_;
  std::string key_;
};

TEST_F(RegistryContract, ValuesRoundTripByType) {
  int32_t type = 1;
  ASSERT_TRUE(registry_.SetValue(key_, "text", "caf\u00E9", type));
  EXPECT_EQ(registry_.GetValue(key_, "text"), Variant("caf\u00E9"));
  EXPECT_EQ(registry_.ValueType(key_, "text"), 1);
  type = 1;
  ASSERT_TRUE(registry_.SetValue(key_, "empty", "", type));
  EXPECT_EQ(registry_.GetValue(key_, "empty", "x"), Variant(""));
  type = 4;
  ASSERT_TRUE(registry_.SetValue(key_, "number", int32_t{-7}, type));
  EXPECT_EQ(registry_.GetValue(key_, "number"), Variant(int32_t{-7}));
  type = 5;
  ASSERT_TRUE(registry_.SetValue(key_, "big", int16_t{9}, type));
  EXPECT_EQ(type, 4);
  EXPECT_EQ(registry_.ValueType(key_, "big"), 4);
  type = 3;
  ASSERT_TRUE(registry_.SetValue(key_, "bytes", ByteArray{1, 2, 0}, type));
  EXPECT_EQ(registry_.GetValue(key_, "bytes"), Variant(ByteArray{1, 2, 0}));
  for (int32_t refused : {0, 6}) {
    type = refused;
    EXPECT_FALSE(registry_.SetValue(key_, "refused", "x", type));
  }
  EXPECT_EQ(registry_.ValueType(key_, "refused"), 0);
  EXPECT_EQ(registry_.GetValue(key_, "absent", int16_t{3}), Variant(int16_t{3}));
  EXPECT_EQ(registry_.GetValue(key_ + "Nowhere", "absent", Variant::Null()), Variant::Null());
}

TEST_F(RegistryContract, ThePercentRuleAndExpansion) {
  backend_->SetEnvironment("KOVCONTRACT", "expanded");
  struct Case {
    const char* text;
    int32_t stored;
    const char* read;
  };
  const Case cases[] = {{"%KOVCONTRACT%\\x", 2, "expanded\\x"},
                        {"100%", 1, "100%"},
                        {"%%", 1, "%%"},
                        {"a%NOSUCHKOVCONTRACT%b", 2, "a%NOSUCHKOVCONTRACT%b"}};
  for (const auto& c : cases) {
    int32_t type = 1;
    ASSERT_TRUE(registry_.SetValue(key_, "p", c.text, type));
    EXPECT_EQ(registry_.ValueType(key_, "p"), c.stored) << c.text;
    EXPECT_EQ(registry_.GetValue(key_, "p"), Variant(c.read)) << c.text;
  }
}

TEST_F(RegistryContract, KeysAndEnumeration) {
  std::vector<std::string> names{"stale"};
  EXPECT_EQ(registry_.GetAllSubKeys(key_ + "Nowhere", names), 0);
  EXPECT_TRUE(names.empty());
  for (const char* child : {"Gamma", "alpha", "Beta"})
    EXPECT_TRUE(registry_.CreateKey(key_ + child));
  EXPECT_EQ(registry_.GetAllSubKeys(key_, names), 3);
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "Beta", "Gamma"}));
  int32_t type = 1;
  for (const char* value : {"zeta", "a-longer-value-name", "mid"}) {
    registry_.SetValue(key_, value, "x", type);
  }
  EXPECT_EQ(registry_.GetAllValueNames(key_, names), 3);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a-longer-value-name", "mid", "zeta"}));
  EXPECT_TRUE(registry_.KeyExists(key_ + "ALPHA\\"));
  registry_.CreateKey(key_ + "Beta\\Inner");
  EXPECT_FALSE(registry_.DeleteKey(key_ + "Beta"));  // it still has a sub-key
  EXPECT_TRUE(registry_.DeleteKey(key_ + "Beta\\Inner"));
  EXPECT_TRUE(registry_.DeleteKey(key_ + "Beta"));
  EXPECT_TRUE(registry_.DeleteValue(key_, "mid"));
  EXPECT_FALSE(registry_.DeleteValue(key_, "mid"));
  EXPECT_EQ(ErrorOf([&] { registry_.KeyExists(""); }), CRegistry::kErrInvalidKeyName);
}

}  // namespace
}  // namespace kov::contract

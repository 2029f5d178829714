#include "platform/CRegistry.h"

#include <gtest/gtest.h>

#include "base/ComError.h"
#include "support/TestSession.h"

namespace kov {
namespace {

constexpr const char* kKey = "Software\\Zenquor\\Kovelin Organizer\\Folders\\";

class CRegistryTest : public testing::TestSession {
 protected:
  CRegistryTest() { registry_->SetRootKey(0x80000001u); }

  // Writes through one registry object and reads back through a new one after a restart, so
  // that every value has made the trip through the .reg file.
  Variant RoundTrip(const Variant& value, int32_t type, int32_t* storedType = nullptr) {
    int32_t asked = type;
    EXPECT_TRUE(registry_->SetValue(kKey, "v", value, asked));
    registry_.reset();
    Restart();
    registry_ = std::make_unique<CRegistry>();
    registry_->SetRootKey(0x80000001u);
    if (storedType != nullptr) *storedType = registry_->ValueType(kKey, "v");
    return registry_->GetValue(kKey, "v", Variant::Null());
  }

  int32_t ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const ComError& e) {
      EXPECT_EQ(e.Source(), "Kovelin.CRegistry");
      return e.Number();
    }
    return 0;
  }

  std::unique_ptr<CRegistry> registry_ = std::make_unique<CRegistry>();
};

TEST_F(CRegistryTest, StartsAtClassesRootWithItsTimerOff) {
  CRegistry fresh;
  EXPECT_EQ(fresh.RootKey(), 0x80000000u);
  EXPECT_FALSE(fresh.Timer().Enabled());
  EXPECT_EQ(fresh.Timer().Interval(), 1);
}

TEST_F(CRegistryTest, ValuesRoundTripThroughTheRegFile) {
  int32_t stored = 0;
  EXPECT_EQ(RoundTrip("000000010101", 1, &stored), Variant("000000010101"));
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(RoundTrip("", 1, &stored), Variant(""));
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(RoundTrip("caf\u00E9 \u20AC", 1), Variant("caf\u00E9 \u20AC"));
  EXPECT_EQ(RoundTrip(int32_t{-5}, 4, &stored), Variant(int32_t{-5}));
  EXPECT_EQ(stored, 4);
  EXPECT_EQ(RoundTrip(int16_t{7}, 5, &stored), Variant(int32_t{7}));
  EXPECT_EQ(stored, 4);  // type 5 is stored as 4
  EXPECT_EQ(RoundTrip(ByteArray{1, 2, 3, 0}, 3, &stored), Variant(ByteArray{1, 2, 3, 0}));
  EXPECT_EQ(stored, 3);
  // An expandable string keeps its reference in the file and is read back expanded.
  setenv("KOVELIN_TEST_HOME", "/home/kov", 1);
  EXPECT_EQ(RoundTrip("%KOVELIN_TEST_HOME%\\Mail", 1, &stored), Variant("/home/kov\\Mail"));
  EXPECT_EQ(stored, 2);
  EXPECT_NE(testing::ReadBytes(RegistryFile()).find("\"v\"=hex(2):25,4b,4f,56"), std::string::npos);
  unsetenv("KOVELIN_TEST_HOME");
}

TEST_F(CRegistryTest, AnEmptyTextIsStoredAsOneZeroByte) {
  int32_t type = 1;
  ASSERT_TRUE(registry_->SetValue(kKey, "empty", "", type));
  EXPECT_NE(testing::ReadBytes(RegistryFile()).find("\"empty\"=\"\"\r\n"), std::string::npos);
  EXPECT_EQ(registry_->GetValue(kKey, "empty", "x"), Variant(""));
}

TEST_F(CRegistryTest, PercentRuleChoosesTheStoredType) {
  Os().Environment().Set("KOVHOME", "C:\\Home");
  struct Case {
    const char* text;
    int32_t storedType;
    const char* readBack;
  };
  const Case cases[] = {
      {"%KOVHOME%\\Kovelin", 2, "C:\\Home\\Kovelin"},
      {"100%", 1, "100%"},
      {"%%", 1, "%%"},
      {"a%%b", 1, "a%%b"},
      {"%x%", 2, "%x%"},  // expandable, but an unknown name stays as written
      {"no percent", 1, "no percent"},
  };
  for (const auto& c : cases) {
    for (int32_t asked : {1, 2}) {
      int32_t type = asked;
      ASSERT_TRUE(registry_->SetValue(kKey, "p", c.text, type)) << c.text;
      EXPECT_EQ(type, c.storedType) << c.text;
      EXPECT_EQ(registry_->ValueType(kKey, "p"), c.storedType) << c.text;
      EXPECT_EQ(registry_->GetValue(kKey, "p"), Variant(c.readBack)) << c.text;
    }
  }
}

TEST_F(CRegistryTest, RefusedTypesWriteNothingButCreateTheKey) {
  for (int32_t asked : {0, 6, 8}) {
    int32_t type = asked;
    EXPECT_FALSE(registry_->SetValue("Software\\Refused", "v", "text", type));
  }
  int32_t type = 4;
  EXPECT_FALSE(registry_->SetValue("Software\\Refused", "v", "text", type));
  type = 3;
  EXPECT_FALSE(registry_->SetValue("Software\\Refused", "v", int32_t{1}, type));
  EXPECT_TRUE(registry_->KeyExists("Software\\Refused"));
  EXPECT_EQ(registry_->ValueType("Software\\Refused", "v"), 0);
}

TEST_F(CRegistryTest, MissingValuesReturnTheDefaultOfItsOwnKind) {
  const Variant defaults[] = {Variant(), Variant::Null(), Variant("1"), Variant(int16_t{3}),
                              Variant(true)};
  for (const auto& fallback : defaults) {
    EXPECT_EQ(registry_->GetValue("Software\\Nowhere", "v", fallback), fallback);
    EXPECT_EQ(registry_->GetValue(kKey, "absent", fallback), fallback);
  }
  EXPECT_EQ(registry_->ValueType("Software\\Nowhere", "v"), 0);
}

TEST_F(CRegistryTest, OtherValueTypesReadAsBytesWithOneMoreElement) {
  os::RegKey key = 0;
  auto& api = Os().Registry();
  ASSERT_EQ(api.CreateKey(os::kHKeyCurrentUser, kKey, os::kKeyAllAccess, &key), 0);
  const uint8_t big[] = {0, 0, 1, 2};
  api.SetValue(key, "big", 5, big, 4);
  const uint8_t link[] = {'a', 'b'};
  api.SetValue(key, "link", 6, link, 2);
  const char multi[] = "a\0b\0";  // with the literal's own zero: a, 0, b, 0, 0
  api.SetValue(key, "multi", 7, reinterpret_cast<const uint8_t*>(multi), 5);
  api.SetValue(key, "sz0", 1, nullptr, 0);
  api.CloseKey(key);
  EXPECT_EQ(registry_->GetValue(kKey, "big"), Variant(int32_t{0x0102}));
  EXPECT_EQ(registry_->GetValue(kKey, "link"), Variant(ByteArray{'a', 'b', 0}));
  EXPECT_EQ(registry_->GetValue(kKey, "multi"), Variant(std::string("a\0b\0", 4)));
  // A string of size 0 leaves no room for the text: the class's component failure.
  EXPECT_EQ(ErrorOf([&] { registry_->GetValue(kKey, "sz0"); }), CRegistry::kErrComponentFailure);
  EXPECT_EQ(Os().Registry().OpenHandles(), 0u);
}

TEST_F(CRegistryTest, EnumeratesSubKeysAndValueNames) {
  std::vector<std::string> names{"stale"};
  EXPECT_EQ(registry_->GetAllSubKeys("Software\\Empty", names), 0);
  EXPECT_TRUE(names.empty());
  registry_->CreateKey("Software\\Empty");
  EXPECT_EQ(registry_->GetAllSubKeys("Software\\Empty", names), 0);
  for (const char* sub : {"Gamma", "alpha", "Beta"}) {
    registry_->CreateKey(std::string("Software\\Three\\") + sub);
  }
  EXPECT_EQ(registry_->GetAllSubKeys("Software\\Three", names), 3);
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "Beta", "Gamma"}));
  int32_t type = 1;
  for (const char* value : {"zeta", "A-rather-long-value-name", ""}) {
    registry_->SetValue(kKey, value, "x", type);
  }
  EXPECT_EQ(registry_->GetAllValueNames(kKey, names), 3);
  EXPECT_EQ(names, (std::vector<std::string>{"zeta", "A-rather-long-value-name", ""}));
  // An empty name enumerates the root key itself.
  EXPECT_EQ(registry_->GetAllSubKeys("", names), 1);
  EXPECT_EQ(names, (std::vector<std::string>{"Software"}));
  EXPECT_EQ(Os().Registry().OpenHandles(), 0u);
}

TEST_F(CRegistryTest, KeysAreCreatedDeletedAndTestedWithoutRecursion) {
  EXPECT_FALSE(registry_->KeyExists("Software\\A"));
  EXPECT_TRUE(registry_->CreateKey("Software\\A\\B"));
  EXPECT_TRUE(registry_->CreateKey("Software\\A\\B"));
  EXPECT_TRUE(registry_->KeyExists("software\\a\\"));
  EXPECT_FALSE(registry_->DeleteKey("Software\\A"));  // it still has a sub-key
  EXPECT_TRUE(registry_->DeleteKey("Software\\A\\B"));
  EXPECT_TRUE(registry_->DeleteKey("Software\\A"));
  EXPECT_FALSE(registry_->DeleteKey("Software\\A"));
  int32_t type = 1;
  registry_->SetValue(kKey, "gone", "x", type);
  EXPECT_TRUE(registry_->DeleteValue(kKey, "gone"));
  EXPECT_FALSE(registry_->DeleteValue(kKey, "gone"));
  EXPECT_FALSE(registry_->DeleteValue("Software\\Nowhere", "gone"));
}

TEST_F(CRegistryTest, EmptyKeyNamesRaiseInvalidKeyName) {
  int32_t type = 1;
  const std::vector<std::function<void()>> calls = {
      [&] { registry_->CreateKey(""); },
      [&] { registry_->DeleteKey(""); },
      [&] { registry_->DeleteValue("", "v"); },
      [&] { registry_->KeyExists(""); },
      [&] { registry_->SetValue("", "v", "x", type); },
      [&] { registry_->ValueType("", "v"); },
  };
  for (const auto& call : calls) EXPECT_EQ(ErrorOf(call), CRegistry::kErrInvalidKeyName);
  try {
    registry_->KeyExists("");
  } catch (const ComError& e) {
    EXPECT_EQ(e.Number(), -2147203503);
    EXPECT_EQ(e.Description(), "Invalid KeyName value");
  }
}

TEST_F(CRegistryTest, UnexpectedFailuresRaiseComponentFailure) {
  int32_t type = 1;
  const int32_t number = ErrorOf([&] { registry_->SetValue(kKey, "v", Variant::Null(), type); });
  EXPECT_EQ(number, CRegistry::kErrComponentFailure);
  EXPECT_EQ(number, -2147203501);
  try {
    registry_->SetValue(kKey, "v", Variant::Null(), type);
  } catch (const ComError& e) {
    EXPECT_EQ(e.Description(), "CRegistry component failure");
  }
}

TEST_F(CRegistryTest, RegInitCreatesTheBaseKeyUnderTheCurrentUser) {
  CRegistry fresh;
  EXPECT_EQ(fresh.RegInit(), "Software\\Zenquor\\Kovelin Organizer\\");
  EXPECT_EQ(fresh.RootKey(), 0x80000001u);
  EXPECT_TRUE(fresh.KeyExists("Software\\Zenquor\\Kovelin Organizer"));
  EXPECT_NE(testing::ReadBytes(RegistryFile())
                .find("[HKEY_CURRENT_USER\\Software\\Zenquor\\Kovelin Organizer]"),
            std::string::npos);
}

TEST_F(CRegistryTest, TimerRunsTheDeferredActionOncePerArming) {
  std::vector<int64_t> ranAt;
  registry_->DeferredAction = [&] {
    ranAt.push_back(clock_.NowMs());
    registry_->Timer().SetEnabled(false);  // the dispatcher's first step
  };
  registry_->Timer().SetEnabled(true);
  loop_.FastForwardBy(50);
  EXPECT_EQ(ranAt, (std::vector<int64_t>{1}));
  EXPECT_EQ(registry_->Timer().Interval(), 100);
  registry_->Timer().SetEnabled(true);
  loop_.FastForwardBy(500);
  EXPECT_EQ(ranAt, (std::vector<int64_t>{1, 150}));
}

TEST_F(CRegistryTest, TimerSwallowsTheDeferredActionsErrors) {
  int runs = 0;
  registry_->DeferredAction = [&] {
    ++runs;
    throw ComError(5, "test", "boom");
  };
  registry_->Timer().SetEnabled(true);
  EXPECT_NO_THROW(loop_.FastForwardBy(250));
  // The action never switched the timer off, so it keeps firing every 100 ms.
  EXPECT_EQ(runs, 3);
}

}  // namespace
}  // namespace kov

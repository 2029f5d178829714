#include "platform/CRegistry.h"

#include <vector>

#include "base/AppInfo.h"
#include "base/ComError.h"
#include "base/Text.h"
#include "os/OsServices.h"

namespace kov {

using namespace kov::os;

namespace {

constexpr uint32_t kCreateAccess = 0x3F;
const std::string kSource = std::string(kAppExeName) + ".CRegistry";

// Closes an opened key on every path out of an operation.
class OpenedKey {
 public:
  OpenedKey() = default;
  ~OpenedKey() {
    if (key_ != 0) Os().registry->CloseKey(key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;
  RegKey* Out() { return &key_; }
  RegKey Get() const { return key_; }

 private:
  RegKey key_ = 0;
};

void CheckKeyName(const std::string& KeyName) {
  if (KeyName.empty())
    throw ComError(CRegistry::kErrInvalidKeyName, kSource, "Invalid KeyName value");
}

// Runs an operation; a failure other than the ones it raises on purpose becomes the class's
// component failure.
template <typename F>
auto Guarded(F&& body) -> decltype(body()) {
  try {
    return body();
  } catch (...) {
    throw ComError(CRegistry::kErrComponentFailure, kSource, "CRegistry component failure");
  }
}

std::string Ansi(const std::string& text) { return ToAnsi(text); }

}  // namespace

CRegistry::CRegistry() {
  mvarTimer.SetEnabled(false);
  mvarTimer.SetInterval(1);
  mvarTimer.OnTimer = [this](int32_t elapsed) { mvarTimer_Timer(elapsed); };
  rootKey_ = 0x80000000u;
}

CRegistry::~CRegistry() { mvarTimer.OnTimer = nullptr; }

void CRegistry::Init(uint32_t rootKey) {
  Guarded([&] { rootKey_ = rootKey; });
}

uint32_t CRegistry::RootKey() const {
  return Guarded([&] { return rootKey_; });
}

void CRegistry::SetRootKey(uint32_t rootKey) {
  Guarded([&] { rootKey_ = rootKey; });
}

bool CRegistry::CreateKey(const std::string& KeyName) {
  CheckKeyName(KeyName);
  return Guarded([&] {
    OpenedKey key;
    return Os().registry->CreateKey(rootKey_, Ansi(KeyName), kCreateAccess, key.Out()) ==
           kErrorSuccess;
  });
}

bool CRegistry::DeleteKey(const std::string& KeyName) {
  CheckKeyName(KeyName);
  return Guarded(
      [&] { return Os().registry->DeleteSubKey(rootKey_, Ansi(KeyName)) == kErrorSuccess; });
}

bool CRegistry::DeleteValue(const std::string& KeyName, const std::string& ValueName) {
  CheckKeyName(KeyName);
  return Guarded([&] {
    OpenedKey key;
    if (Os().registry->OpenKey(rootKey_, Ansi(KeyName), kCreateAccess, key.Out()) !=
        kErrorSuccess) {
      return false;
    }
    return Os().registry->DeleteValue(key.Get(), Ansi(ValueName)) == kErrorSuccess;
  });
}

bool CRegistry::KeyExists(const std::string& KeyName) {
  CheckKeyName(KeyName);
  return Guarded([&] {
    OpenedKey key;
    return Os().registry->OpenKey(rootKey_, Ansi(KeyName), kKeyQueryValue, key.Out()) ==
           kErrorSuccess;
  });
}

int32_t CRegistry::ValueType(const std::string& KeyName, const std::string& ValueName) {
  CheckKeyName(KeyName);
  return Guarded([&]() -> int32_t {
    OpenedKey key;
    if (Os().registry->OpenKey(rootKey_, Ansi(KeyName), kKeyQueryValue, key.Out()) !=
        kErrorSuccess) {
      return 0;
    }
    uint32_t type = 0;
    uint32_t size = 0;
    uint8_t none = 0;
    const int32_t result =
        Os().registry->QueryValue(key.Get(), Ansi(ValueName), &type, &none, &size);
    return result == kErrorSuccess || result == kErrorMoreData ? static_cast<int32_t>(type) : 0;
  });
}

Variant CRegistry::GetValue(const std::string& KeyName, const std::string& ValueName,
                            const Variant& Default) {
  return Guarded([&]() -> Variant {
    RegistryApi& registry = *Os().registry;
    OpenedKey key;
    registry.OpenKey(rootKey_, Ansi(KeyName), kKeyQueryValue, key.Out());
    uint32_t type = 0;
    uint32_t size = 0;
    uint8_t none = 0;
    const int32_t probe = registry.QueryValue(key.Get(), Ansi(ValueName), &type, &none, &size);
    if (probe != kErrorSuccess && probe != kErrorMoreData) return Default;
    std::vector<uint8_t> data(size);
    if (size > 0) registry.QueryValue(key.Get(), Ansi(ValueName), &type, data.data(), &size);
    const std::string bytes(data.begin(), data.end());
    switch (type) {
      case kRegSz:
      case kRegMultiSz:
      case kRegExpandSz: {
        // The text is the stored bytes less the final terminator; a value of size 0 leaves no
        // room even for that, which the class reports as its component failure.
        if (size == 0) throw std::length_error("string value of size 0");
        std::string text = bytes.substr(0, size - 1);
        if (type == kRegExpandSz) {
          EnvironmentApi& environment = *Os().environment;
          const uint32_t needed = environment.ExpandEnvironment(text.c_str(), nullptr, 0);
          if (needed == 0) throw std::runtime_error("environment expansion failed");
          std::string expanded(needed, '\0');
          environment.ExpandEnvironment(text.c_str(), expanded.data(), needed);
          text = expanded.substr(0, needed - 1);
        }
        return FromAnsi(text);
      }
      case kRegDword:
      case kRegDwordBigEndian: {
        uint32_t number = 0;
        for (size_t i = 0; i < 4 && i < data.size(); ++i) {
          const size_t at = type == kRegDword ? i : 3 - i;
          if (at < data.size()) number |= static_cast<uint32_t>(data[at]) << (8 * i);
        }
        return static_cast<int32_t>(number);
      }
      default: {
        // Indexed from 0 to size: one element more than the value's bytes, left 0.
        ByteArray array(data.begin(), data.end());
        array.push_back(0);
        return array;
      }
    }
  });
}

bool CRegistry::SetValue(const std::string& KeyName, const std::string& ValueName,
                         const Variant& Value, int32_t& ValueType) {
  CheckKeyName(KeyName);
  return Guarded([&] {
    RegistryApi& registry = *Os().registry;
    OpenedKey key;
    if (registry.CreateKey(rootKey_, Ansi(KeyName), kCreateAccess, key.Out()) != kErrorSuccess) {
      return false;
    }
    uint32_t type = 0;
    std::string bytes;
    switch (ValueType) {
      case kRegSz:
      case kRegExpandSz: {
        const std::string text = Value.ToString();
        // A reference needs a "%" and another one at least two characters further on.
        const int32_t first = InStr(text, "%");
        type = first > 0 && InStr(first + 2, text, "%") > 0 ? kRegExpandSz : kRegSz;
        bytes = ToAnsi(text);
        bytes.push_back('\0');
        break;
      }
      case kRegBinary:
        if (Value.GetKind() != Variant::Kind::Bytes) return false;
        type = kRegBinary;
        // A byte array read by GetValue carries one element past the value's bytes; writing all
        // but that last element lets a value read and written again keep its exact bytes.
        if (!Value.AsBytes().empty()) {
          bytes.assign(Value.AsBytes().begin(), Value.AsBytes().end() - 1);
        }
        break;
      case kRegDword:
      case kRegDwordBigEndian: {
        if (!Value.IsInteger()) return false;
        type = kRegDword;
        const auto number = static_cast<uint32_t>(Value.ToLong());
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((number >> (8 * i)) & 0xFF));
        break;
      }
      default:
        return false;
    }
    ValueType = static_cast<int32_t>(type);
    return registry.SetValue(key.Get(), Ansi(ValueName), type,
                             reinterpret_cast<const uint8_t*>(bytes.data()),
                             static_cast<uint32_t>(bytes.size())) == kErrorSuccess;
  });
}

int32_t CRegistry::GetAllSubKeys(const std::string& KeyName, std::vector<std::string>& SubKeys) {
  return Guarded([&] {
    SubKeys.clear();
    RegistryApi& registry = *Os().registry;
    OpenedKey key;
    if (registry.OpenKey(rootKey_, Ansi(KeyName), kKeyEnumerateSubKeys, key.Out()) !=
        kErrorSuccess) {
      return 0;
    }
    for (uint32_t index = 0;; ++index) {
      std::string buffer(256, '\0');
      uint32_t chars = 256;
      if (registry.EnumKey(key.Get(), index, buffer.data(), &chars) != kErrorSuccess) break;
      SubKeys.push_back(FromAnsi(buffer.substr(0, buffer.find('\0'))));
    }
    return static_cast<int32_t>(SubKeys.size());
  });
}

int32_t CRegistry::GetAllValueNames(const std::string& KeyName,
                                    std::vector<std::string>& ValueNames) {
  return Guarded([&] {
    ValueNames.clear();
    RegistryApi& registry = *Os().registry;
    OpenedKey key;
    if (registry.OpenKey(rootKey_, Ansi(KeyName), kKeyQueryValue, key.Out()) != kErrorSuccess) {
      return 0;
    }
    uint32_t longest = 0;
    registry.QueryInfoKey(key.Get(), nullptr, nullptr, nullptr, &longest);
    for (uint32_t index = 0;; ++index) {
      std::string buffer(longest + 1, '\0');
      uint32_t chars = longest + 1;
      if (registry.EnumValue(key.Get(), index, buffer.data(), &chars) != kErrorSuccess) break;
      ValueNames.push_back(FromAnsi(buffer.substr(0, chars)));
    }
    return static_cast<int32_t>(ValueNames.size());
  });
}

std::string CRegistry::RegInit() {
  std::string base;
  try {
    rootKey_ = 0x80000001u;
    base = "Software\\Zenquor\\";
    base += kProductName;
    base += "\\";
    if (!KeyExists(base)) CreateKey(base);
  } catch (...) {
    // RegInit never raises; the caller gets the text built so far.
  }
  return base;
}

void CRegistry::mvarTimer_Timer(int32_t /*Milliseconds*/) {
  try {
    mvarTimer.SetEnabled(true);
    mvarTimer.SetInterval(100);
    if (DeferredAction) DeferredAction();
  } catch (...) {
    // The deferred action reports its own failures; nothing may escape into the timer.
  }
}

}  // namespace kov

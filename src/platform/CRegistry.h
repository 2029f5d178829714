// CRegistry is the add-in's only way into the registry: one root key, key paths below it, and
// plain answers (booleans, a Variant, name lists). It also owns the add-in's deferral timer,
// through which event handlers postpone an action (usually a modal dialog) until the host's
// event has returned.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/MessageLoop.h"
#include "base/Variant.h"

namespace kov {

class CRegistry {
 public:
  // Error numbers (object-defined) raised with the source "Kovelin.CRegistry".
  static constexpr int32_t kErrInvalidKeyName = -2147221504 + 18001;
  static constexpr int32_t kErrComponentFailure = -2147221504 + 18003;

  CRegistry();
  ~CRegistry();
  CRegistry(const CRegistry&) = delete;
  CRegistry& operator=(const CRegistry&) = delete;

  void Init(uint32_t rootKey);
  uint32_t RootKey() const;
  void SetRootKey(uint32_t rootKey);

  // Creates the key (and its parents); true when it exists afterwards.
  bool CreateKey(const std::string& KeyName);
  // Deletes one key without sub-keys; true on success.
  bool DeleteKey(const std::string& KeyName);
  bool DeleteValue(const std::string& KeyName, const std::string& ValueName);
  // The names of the key's sub-keys (or values), in the registry's order; returns the count.
  // An empty key name lists the root key itself; a key that does not open gives none.
  int32_t GetAllSubKeys(const std::string& KeyName, std::vector<std::string>& SubKeys);
  int32_t GetAllValueNames(const std::string& KeyName, std::vector<std::string>& ValueNames);
  // The value, or `Default` unchanged when the key or value is missing.
  Variant GetValue(const std::string& KeyName, const std::string& ValueName,
                   const Variant& Default = Variant());
  bool KeyExists(const std::string& KeyName);
  // Writes a value of type 1, 2 (the stored type follows the text), 3, 4 or 5 (stored as 4);
  // `ValueType` is set to the type stored. Other types write nothing and answer false. A byte
  // array is written without its last element, the one GetValue adds past a value's bytes.
  bool SetValue(const std::string& KeyName, const std::string& ValueName, const Variant& Value,
                int32_t& ValueType);
  // The stored type of a value, 0 when it is absent.
  int32_t ValueType(const std::string& KeyName, const std::string& ValueName);
  // Roots the object at the current user and makes sure the add-in's base key exists; returns
  // "Software\Zenquor\Kovelin Organizer\".
  std::string RegInit();

  // The deferral timer itself; callers switch it on and off and set its interval.
  kov::Timer& Timer() { return mvarTimer; }
  // What a tick of the timer runs: the deferred-action dispatcher, wired in at start-up.
  std::function<void()> DeferredAction;

 private:
  void mvarTimer_Timer(int32_t Milliseconds);

  uint32_t rootKey_ = 0x80000000u;
  kov::Timer mvarTimer;
};

}  // namespace kov

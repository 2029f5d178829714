// The Windows registry calls the system uses, in the shape of their ANSI forms: names and string
// data are 8-bit code-page bytes, results are Windows error codes, keys are handles that the
// caller closes. Backends: the .reg-file substitute (substitute/windows) and the Win32 registry.
//
// Contract, shared by every backend:
// - Key paths are relative to the handle given, levels separated by backslashes; one trailing
//   backslash is ignored; names compare without regard to letter case and keep the case they
//   were created with.
// - Open handles must be closed with CloseKey; handles of the predefined roots need not be.
// - A value of type REG_SZ, REG_EXPAND_SZ or REG_MULTI_SZ holds whatever bytes were written,
//   terminators included; QueryValue returns them unchanged.
#pragma once

#include <cstdint>
#include <string>

namespace kov::os {

using RegKey = std::uintptr_t;

inline constexpr RegKey kHKeyClassesRoot = 0x80000000u;
inline constexpr RegKey kHKeyCurrentUser = 0x80000001u;
inline constexpr RegKey kHKeyLocalMachine = 0x80000002u;

// Value types, numbered as the registry numbers them.
inline constexpr uint32_t kRegNone = 0;
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;
inline constexpr uint32_t kRegDwordBigEndian = 5;
inline constexpr uint32_t kRegLink = 6;
inline constexpr uint32_t kRegMultiSz = 7;

// Access rights.
inline constexpr uint32_t kKeyQueryValue = 0x1;
inline constexpr uint32_t kKeySetValue = 0x2;
inline constexpr uint32_t kKeyCreateSubKey = 0x4;
inline constexpr uint32_t kKeyEnumerateSubKeys = 0x8;
inline constexpr uint32_t kKeyNotify = 0x10;
inline constexpr uint32_t kKeyCreateLink = 0x20;
inline constexpr uint32_t kKeyAllAccess = 0xF003F;

// Results.
inline constexpr int32_t kErrorSuccess = 0;
inline constexpr int32_t kErrorFileNotFound = 2;
inline constexpr int32_t kErrorAccessDenied = 5;
inline constexpr int32_t kErrorInvalidHandle = 6;
inline constexpr int32_t kErrorWriteFault = 29;
inline constexpr int32_t kErrorInvalidParameter = 87;
inline constexpr int32_t kErrorBadPathname = 161;
inline constexpr int32_t kErrorMoreData = 234;
inline constexpr int32_t kErrorNoMoreItems = 259;
inline constexpr int32_t kErrorKeyDeleted = 1018;

class RegistryApi {
 public:
  RegistryApi() = default;
  virtual ~RegistryApi() = default;
  RegistryApi(const RegistryApi&) = delete;
  RegistryApi& operator=(const RegistryApi&) = delete;

  // Creates the key and any missing parents, or opens it when it exists; sets *result to a
  // handle with `access`. kErrorSuccess in both cases.
  virtual int32_t CreateKey(RegKey parent, const std::string& subKey, uint32_t access,
                            RegKey* result) = 0;
  // Opens an existing key; kErrorFileNotFound when it is missing.
  virtual int32_t OpenKey(RegKey parent, const std::string& subKey, uint32_t access,
                          RegKey* result) = 0;
  virtual int32_t CloseKey(RegKey key) = 0;
  // Deletes one key that has no sub-keys (kErrorAccessDenied while it has some).
  virtual int32_t DeleteSubKey(RegKey parent, const std::string& subKey) = 0;
  virtual int32_t DeleteValue(RegKey key, const std::string& valueName) = 0;
  // Reads a value. With `data` null, only *type and *size (in bytes) are set. With a buffer
  // smaller than the value, *size is set and kErrorMoreData returned.
  virtual int32_t QueryValue(RegKey key, const std::string& valueName, uint32_t* type,
                             uint8_t* data, uint32_t* size) = 0;
  // Writes a value of any type; the handle needs kKeySetValue.
  virtual int32_t SetValue(RegKey key, const std::string& valueName, uint32_t type,
                           const uint8_t* data, uint32_t size) = 0;
  // The name of the index-th sub-key, in the registry's enumeration order; kErrorNoMoreItems
  // past the last. `*nameChars` is the buffer's size on entry and the name's length on return.
  virtual int32_t EnumKey(RegKey key, uint32_t index, char* name, uint32_t* nameChars) = 0;
  // The name of the index-th value, in the order the values were created.
  virtual int32_t EnumValue(RegKey key, uint32_t index, char* name, uint32_t* nameChars) = 0;
  // Counts and longest lengths (characters without terminator) of sub-keys and value names.
  virtual int32_t QueryInfoKey(RegKey key, uint32_t* subKeys, uint32_t* maxSubKeyChars,
                               uint32_t* values, uint32_t* maxValueNameChars) = 0;
};

}  // namespace kov::os

#include "win32/Win32Services.h"

#include <windows.h>

#include <string>

#include "base/Text.h"

namespace kov::win32 {
namespace {

HKEY ToHkey(os::RegKey key) {
  switch (key) {
    case os::kHKeyClassesRoot:
      return HKEY_CLASSES_ROOT;
    case os::kHKeyCurrentUser:
      return HKEY_CURRENT_USER;
    case os::kHKeyLocalMachine:
      return HKEY_LOCAL_MACHINE;
    default:
      return reinterpret_cast<HKEY>(key);
  }
}

bool IsRoot(os::RegKey key) { return key >= 0x80000000u && key <= 0x80000002u; }

class Win32Registry : public os::RegistryApi {
 public:
  int32_t CreateKey(os::RegKey parent, const std::string& subKey, uint32_t access,
                    os::RegKey* result) override {
    HKEY key = nullptr;
    char noClass[] = "";
    const LONG status = RegCreateKeyExA(ToHkey(parent), subKey.c_str(), 0, noClass,
                                        REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) *result = reinterpret_cast<os::RegKey>(key);
    return status;
  }
  int32_t OpenKey(os::RegKey parent, const std::string& subKey, uint32_t access,
                  os::RegKey* result) override {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(ToHkey(parent), subKey.c_str(), 0, access, &key);
    if (status == ERROR_SUCCESS) *result = reinterpret_cast<os::RegKey>(key);
    return status;
  }
  int32_t CloseKey(os::RegKey key) override {
    if (IsRoot(key)) return ERROR_SUCCESS;
    return RegCloseKey(ToHkey(key));
  }
  int32_t DeleteSubKey(os::RegKey parent, const std::string& subKey) override {
    return RegDeleteKeyA(ToHkey(parent), subKey.c_str());
  }
  int32_t DeleteValue(os::RegKey key, const std::string& valueName) override {
    return RegDeleteValueA(ToHkey(key), valueName.c_str());
  }
  int32_t QueryValue(os::RegKey key, const std::string& valueName, uint32_t* type, uint8_t* data,
                     uint32_t* size) override {
    DWORD valueType = 0;
    DWORD bytes = size != nullptr ? *size : 0;
    const LONG status = RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, data,
                                         size != nullptr ? &bytes : nullptr);
    if (type != nullptr) *type = valueType;
    if (size != nullptr) *size = bytes;
    return status;
  }
  int32_t SetValue(os::RegKey key, const std::string& valueName, uint32_t type, const uint8_t* data,
                   uint32_t size) override {
    return RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data, size);
  }
  int32_t EnumKey(os::RegKey key, uint32_t index, char* name, uint32_t* nameChars) override {
    DWORD chars = *nameChars;
    const LONG status =
        RegEnumKeyExA(ToHkey(key), index, name, &chars, nullptr, nullptr, nullptr, nullptr);
    *nameChars = chars;
    return status;
  }
  int32_t EnumValue(os::RegKey key, uint32_t index, char* name, uint32_t* nameChars) override {
    DWORD chars = *nameChars;
    const LONG status =
        RegEnumValueA(ToHkey(key), index, name, &chars, nullptr, nullptr, nullptr, nullptr);
    *nameChars = chars;
    return status;
  }
  int32_t QueryInfoKey(os::RegKey key, uint32_t* subKeys, uint32_t* maxSubKeyChars,
                       uint32_t* values, uint32_t* maxValueNameChars) override {
    DWORD keys = 0, keyChars = 0, valueCount = 0, valueChars = 0;
    const LONG status =
        RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &keys, &keyChars, nullptr,
                         &valueCount, &valueChars, nullptr, nullptr, nullptr);
    if (subKeys != nullptr) *subKeys = keys;
    if (maxSubKeyChars != nullptr) *maxSubKeyChars = keyChars;
    if (values != nullptr) *values = valueCount;
    if (maxValueNameChars != nullptr) *maxValueNameChars = valueChars;
    return status;
  }
};

class Win32Environment : public os::EnvironmentApi {
 public:
  uint32_t ExpandEnvironment(const char* source, char* buffer, uint32_t bufferChars) override {
    return ExpandEnvironmentStringsA(source, buffer, bufferChars);
  }
};

class Win32Files : public os::FileApi {
 public:
  os::FindHandle FindFirst(const std::string& pattern) override {
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA(ToAnsi(pattern).c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return os::kInvalidFindHandle;
    return reinterpret_cast<os::FindHandle>(search);
  }
  bool FindClose(os::FindHandle handle) override {
    return ::FindClose(reinterpret_cast<HANDLE>(handle)) != 0;
  }
  char PathSeparator() const override { return '\\'; }
  uint32_t CopyOver(const std::string& from, const std::string& to) override {
    if (CopyFileA(ToAnsi(from).c_str(), ToAnsi(to).c_str(), FALSE)) return 0;
    return GetLastError();
  }
};

class Win32Windows : public os::WindowApi {
 public:
  bool IsWindow(int32_t hwnd) const override {
    return ::IsWindow(reinterpret_cast<HWND>(static_cast<intptr_t>(hwnd))) != 0;
  }
  int32_t CreateHandle() override {
    // A message-only window: a real handle, never shown.
    const HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(window));
  }
  void DestroyHandle(int32_t hwnd) override {
    DestroyWindow(reinterpret_cast<HWND>(static_cast<intptr_t>(hwnd)));
  }
};

// HtmlHelpA, resolved from hhctrl.ocx when first used; without it no help window opens.
class Win32HtmlHelp : public os::HtmlHelpApi {
 public:
  int32_t Call(int32_t hwndCaller, const std::string& file, uint32_t command,
               const os::HhData& data) override {
    using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    static const HtmlHelpFn htmlHelp = [] {
      const HMODULE library = LoadLibraryA("hhctrl.ocx");
      return library == nullptr ? nullptr
                                : reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(
                                      GetProcAddress(library, "HtmlHelpA")));
    }();
    if (htmlHelp == nullptr) return 0;
    // The full-text search record as HH_FTS_QUERY lays it out.
    struct FtsQuery {
      int cbStruct;
      BOOL fUniCodeStrings;
      LPCSTR pszSearchQuery;
      LONG iProximity;
      BOOL fStemmedSearch;
      BOOL fTitleOnly;
      BOOL fExecute;
      LPCSTR pszWindow;
    } query{};
    DWORD_PTR argument = 0;
    if (const auto* number = std::get_if<std::uintptr_t>(&data)) {
      argument = *number;
    } else if (const auto* topic = std::get_if<std::string>(&data)) {
      argument = reinterpret_cast<DWORD_PTR>(topic->c_str());
    } else {
      const auto& fts = std::get<os::HhFtsQuery>(data);
      query = {static_cast<int>(sizeof(FtsQuery)),
               fts.fUniCodeStrings,
               fts.pszSearchQuery.c_str(),
               fts.iProximity,
               fts.fStemmedSearch,
               fts.fTitleOnly,
               fts.fExecute,
               fts.pszWindow.c_str()};
      argument = reinterpret_cast<DWORD_PTR>(&query);
    }
    const HWND window = htmlHelp(reinterpret_cast<HWND>(static_cast<intptr_t>(hwndCaller)),
                                 file.empty() ? nullptr : file.c_str(), command, argument);
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(window));
  }
};

class Win32Locale : public os::LocaleApi {
 public:
  std::string ListSeparator() const override {
    char separator[8] = {};
    if (GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_SLIST, separator, sizeof separator) == 0) {
      return ",";
    }
    return FromAnsi(separator);
  }
};

class Win32Modules : public os::ModuleApi {
 public:
  uint32_t AddinModule() const override {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr)));
  }
  std::string ModulePath(uint32_t module) const override {
    HMODULE handle = module == 0 ? nullptr : GetModuleHandleA(nullptr);
    std::string path(MAX_PATH, '\0');
    // A longer path than the buffer is read again into a larger one, never cut.
    for (;;) {
      const DWORD length = GetModuleFileNameA(handle, path.data(), static_cast<DWORD>(path.size()));
      if (length == 0) return "";
      if (length < path.size()) return FromAnsi(path.substr(0, length));
      path.resize(path.size() * 2);
    }
  }
  os::LibraryHandle OpenLibrary(const std::string& fileName) override {
    return reinterpret_cast<os::LibraryHandle>(LoadLibraryA(ToAnsi(fileName).c_str()));
  }
  void* FindSymbol(os::LibraryHandle library, const std::string& name) override {
    return reinterpret_cast<void*>(
        GetProcAddress(reinterpret_cast<HMODULE>(library), name.c_str()));
  }
};

class Win32Version : public os::VersionApi {
 public:
  uint32_t GetVersion(uint32_t* major, uint32_t* minor) override {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) return GetLastError();
#pragma GCC diagnostic pop
    *major = info.dwMajorVersion;
    *minor = info.dwMinorVersion;
    return 0;
  }
};

}  // namespace

Win32Os::Win32Os()
    : registry_(std::make_unique<Win32Registry>()),
      environment_(std::make_unique<Win32Environment>()),
      files_(std::make_unique<Win32Files>()),
      windows_(std::make_unique<Win32Windows>()),
      htmlHelp_(std::make_unique<Win32HtmlHelp>()),
      locale_(std::make_unique<Win32Locale>()),
      modules_(std::make_unique<Win32Modules>()),
      version_(std::make_unique<Win32Version>()) {}

Win32Os::~Win32Os() = default;

os::OsServices Win32Os::Services() const {
  os::OsServices services;
  services.registry = registry_.get();
  services.environment = environment_.get();
  services.files = files_.get();
  services.windows = windows_.get();
  services.htmlHelp = htmlHelp_.get();
  services.locale = locale_.get();
  services.modules = modules_.get();
  services.version = version_.get();
  return services;
}

}  // namespace kov::win32

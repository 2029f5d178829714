#include "windows/RegFileRegistry.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "base/TextFile.h"
#include "windows/RegFile.h"

namespace kov::substitute {

using namespace kov::os;

namespace {

bool IsRoot(RegKey key) { return key >= 0x80000000u && key <= 0x80000002u; }

}  // namespace

RegFileRegistry::RegFileRegistry(std::string path, bool saveOnChange)
    : path_(std::move(path)), saveOnChange_(saveOnChange) {
  if (path_.empty()) return;
  const auto fsPath = FsPath(path_);
  std::error_code ec;
  if (!std::filesystem::exists(fsPath, ec)) return;
  std::ifstream in(fsPath, std::ios::binary);
  if (!in) throw RegFileError(path_, 0, "the file cannot be read");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  tree_ = ParseRegFile(text, path_);
}

std::string RegFileRegistry::Export() const { return FormatRegFile(tree_); }

std::string RegFileRegistry::ExportKey(const std::string& fullPath) const {
  if (fullPath.empty()) return Export();
  return FormatRegKey(tree_, fullPath);
}

void RegFileRegistry::Save() {
  if (!path_.empty() && !WriteFile()) throw RegFileError(path_, 0, "the file cannot be written");
}

const RegFileRegistry::Handle* RegFileRegistry::HandleOf(RegKey key) const {
  static const Handle roots[3] = {{0x80000000u, {}, kKeyAllAccess},
                                  {0x80000001u, {}, kKeyAllAccess},
                                  {0x80000002u, {}, kKeyAllAccess}};
  if (IsRoot(key)) return &roots[key - 0x80000000u];
  const auto it = handles_.find(key);
  return it == handles_.end() ? nullptr : &it->second;
}

RegNode* RegFileRegistry::Node(RegKey key, int32_t* error) {
  const Handle* handle = HandleOf(key);
  if (handle == nullptr) {
    *error = kErrorInvalidHandle;
    return nullptr;
  }
  RegNode* node = tree_.Root(handle->root);
  for (const auto& level : handle->path) {
    node = node->Child(level);
    if (node == nullptr) {
      *error = kErrorKeyDeleted;
      return nullptr;
    }
  }
  *error = kErrorSuccess;
  return node;
}

bool RegFileRegistry::SplitPath(const std::string& subKey, std::vector<std::string>* levels) {
  levels->clear();
  std::string path = subKey;
  if (!path.empty() && path.back() == '\\') path.pop_back();
  if (path.empty()) return subKey.empty();
  size_t start = 0;
  for (;;) {
    const size_t end = path.find('\\', start);
    std::string level = path.substr(start, end - start);
    if (level.empty()) return false;
    levels->push_back(std::move(level));
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

int32_t RegFileRegistry::Open(RegKey parent, const std::string& subKey, uint32_t access,
                              bool create, RegKey* result) {
  int32_t error = kErrorSuccess;
  RegNode* node = Node(parent, &error);
  if (node == nullptr) return error;
  std::vector<std::string> levels;
  if (!SplitPath(subKey, &levels)) return kErrorBadPathname;
  // The tree as it was, kept only once a missing level is about to be created.
  std::optional<RegTree> before;
  Handle handle = *HandleOf(parent);
  for (const auto& level : levels) {
    RegNode* child = node->Child(level);
    if (child == nullptr) {
      if (!create) return kErrorFileNotFound;
      if (!before) before = tree_.Clone();
      child = node->AddChild(level);
    }
    handle.path.push_back(child->name);
    node = child;
  }
  if (before) {
    if (const int32_t saved = Persist(std::move(*before)); saved != kErrorSuccess) return saved;
  }
  handle.access = access;
  *result = nextHandle_;
  nextHandle_ += 4;
  handles_.emplace(*result, std::move(handle));
  return kErrorSuccess;
}

int32_t RegFileRegistry::CreateKey(RegKey parent, const std::string& subKey, uint32_t access,
                                   RegKey* result) {
  return Open(parent, subKey, access, true, result);
}

int32_t RegFileRegistry::OpenKey(RegKey parent, const std::string& subKey, uint32_t access,
                                 RegKey* result) {
  return Open(parent, subKey, access, false, result);
}

int32_t RegFileRegistry::CloseKey(RegKey key) {
  if (IsRoot(key)) return kErrorSuccess;
  return handles_.erase(key) > 0 ? kErrorSuccess : kErrorInvalidHandle;
}

int32_t RegFileRegistry::DeleteSubKey(RegKey parent, const std::string& subKey) {
  int32_t error = kErrorSuccess;
  RegNode* node = Node(parent, &error);
  if (node == nullptr) return error;
  std::vector<std::string> levels;
  if (!SplitPath(subKey, &levels)) return kErrorBadPathname;
  if (levels.empty()) return kErrorAccessDenied;
  RegNode* owner = node;
  for (size_t i = 0; i < levels.size(); ++i) {
    RegNode* child = owner->Child(levels[i]);
    if (child == nullptr) return kErrorFileNotFound;
    if (i + 1 == levels.size()) {
      if (!child->children.empty()) return kErrorAccessDenied;
      break;
    }
    owner = child;
  }
  RegTree before = tree_.Clone();
  owner->RemoveChild(levels.back());
  return Persist(std::move(before));
}

int32_t RegFileRegistry::DeleteValue(RegKey key, const std::string& valueName) {
  int32_t error = kErrorSuccess;
  RegNode* node = Node(key, &error);
  if (node == nullptr) return error;
  if ((HandleOf(key)->access & kKeySetValue) == 0) return kErrorAccessDenied;
  if (node->Value(valueName) == nullptr) return kErrorFileNotFound;
  RegTree before = tree_.Clone();
  node->RemoveValue(valueName);
  return Persist(std::move(before));
}

int32_t RegFileRegistry::QueryValue(RegKey key, const std::string& valueName, uint32_t* type,
                                    uint8_t* data, uint32_t* size) {
  int32_t error = kErrorSuccess;
  RegNode* node = Node(key, &error);
  if (node == nullptr) return error;
  if ((HandleOf(key)->access & kKeyQueryValue) == 0) return kErrorAccessDenied;
  const RegValue* value = node->Value(valueName);
  if (value == nullptr) return kErrorFileNotFound;
  if (type != nullptr) *type = value->type;
  const auto needed = static_cast<uint32_t>(value->data.size());
  if (data == nullptr) {
    if (size != nullptr) *size = needed;
    return kErrorSuccess;
  }
  if (size == nullptr) return kErrorInvalidParameter;
  if (*size < needed) {
    *size = needed;
    return kErrorMoreData;
  }
  std::memcpy(data, value->data.data(), needed);
  *size = needed;
  return kErrorSuccess;
}

int32_t RegFileRegistry::SetValue(RegKey key, const std::string& valueName, uint32_t type,
                                  const uint8_t* data, uint32_t size) {
  int32_t error = kErrorSuccess;
  RegNode* node = Node(key, &error);
  if (node == nullptr) return error;
  if ((HandleOf(key)->access & kKeySetValue) == 0) return kErrorAccessDenied;
  if (data == nullptr && size > 0) return kErrorInvalidParameter;
  RegTree before = tree_.Clone();
  node->SetValue(valueName, type, std::string(reinterpret_cast<const char*>(data), size));
  return Persist(std::move(before));
}

int32_t RegFileRegistry::CopyName(const std::string& source, char* name, uint32_t* nameChars) {
  if (name == nullptr || nameChars == nullptr) return kErrorInvalidParameter;
  if (source.size() + 1 > *nameChars) {
    *nameChars = static_cast<uint32_t>(source.size() + 1);
    return kErrorMoreData;
  }
  std::memcpy(name, source.c_str(), source.size() + 1);
  *nameChars = static_cast<uint32_t>(source.size());
  return kErrorSuccess;
}

int32_t RegFileRegistry::EnumKey(RegKey key, uint32_t index, char* name, uint32_t* nameChars) {
  int32_t error = kErrorSuccess;
  RegNode* node = Node(key, &error);
  if (node == nullptr) return error;
  if ((HandleOf(key)->access & kKeyEnumerateSubKeys) == 0) return kErrorAccessDenied;
  if (index >= node->children.size()) return kErrorNoMoreItems;
  return CopyName(node->children[index]->name, name, nameChars);
}

int32_t RegFileRegistry::EnumValue(RegKey key, uint32_t index, char* name, uint32_t* nameChars) {
  int32_t error = kErrorSuccess;
  RegNode* node = Node(key, &error);
  if (node == nullptr) return error;
  if ((HandleOf(key)->access & kKeyQueryValue) == 0) return kErrorAccessDenied;
  if (index >= node->values.size()) return kErrorNoMoreItems;
  return CopyName(node->values[index].name, name, nameChars);
}

int32_t RegFileRegistry::QueryInfoKey(RegKey key, uint32_t* subKeys, uint32_t* maxSubKeyChars,
                                      uint32_t* values, uint32_t* maxValueNameChars) {
  int32_t error = kErrorSuccess;
  RegNode* node = Node(key, &error);
  if (node == nullptr) return error;
  if ((HandleOf(key)->access & kKeyQueryValue) == 0) return kErrorAccessDenied;
  size_t longestKey = 0;
  for (const auto& child : node->children) longestKey = std::max(longestKey, child->name.size());
  size_t longestValue = 0;
  for (const auto& value : node->values) longestValue = std::max(longestValue, value.name.size());
  if (subKeys != nullptr) *subKeys = static_cast<uint32_t>(node->children.size());
  if (maxSubKeyChars != nullptr) *maxSubKeyChars = static_cast<uint32_t>(longestKey);
  if (values != nullptr) *values = static_cast<uint32_t>(node->values.size());
  if (maxValueNameChars != nullptr) *maxValueNameChars = static_cast<uint32_t>(longestValue);
  return kErrorSuccess;
}

int32_t RegFileRegistry::Persist(RegTree before) {
  if (path_.empty() || !saveOnChange_) return kErrorSuccess;
  if (WriteFile()) return kErrorSuccess;
  tree_ = std::move(before);
  return kErrorWriteFault;
}

bool RegFileRegistry::WriteFile() const {
  // Written beside the file and renamed over it, so that a failure at any point leaves either
  // the old or the new file whole.
  const auto target = FsPath(path_);
  auto temporary = target;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << Export();
    out.flush();
    if (!out) return false;
  }
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace kov::substitute

// The registry's contents in memory: three root keys, each a tree of keys holding values. Names
// and data are the registry's 8-bit bytes; names compare without regard to letter case.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kov::substitute {

struct RegValue {
  std::string name;
  uint32_t type = 0;
  std::string data;  // raw bytes, terminators included
};

struct RegNode {
  std::string name;
  // Kept sorted by name without regard to case: the order the registry enumerates sub-keys in.
  std::vector<std::unique_ptr<RegNode>> children;
  // In the order of creation: the order the registry enumerates values in.
  std::vector<RegValue> values;

  RegNode() = default;
  explicit RegNode(std::string nodeName) : name(std::move(nodeName)) {}
  std::unique_ptr<RegNode> Clone() const;

  RegNode* Child(const std::string& childName) const;
  // The child with that name, created (in sorted place) when missing.
  RegNode* AddChild(const std::string& childName);
  bool RemoveChild(const std::string& childName);

  RegValue* Value(const std::string& valueName);
  void SetValue(const std::string& valueName, uint32_t type, std::string data);
  bool RemoveValue(const std::string& valueName);
};

// Case-insensitive comparison of two registry names (8-bit bytes).
int CompareRegNames(const std::string& a, const std::string& b);

struct RegRoot {
  uint32_t handle;   // 0x80000000 and up
  const char* name;  // "HKEY_CURRENT_USER"
};
inline constexpr RegRoot kRegRoots[] = {{0x80000000u, "HKEY_CLASSES_ROOT"},
                                        {0x80000001u, "HKEY_CURRENT_USER"},
                                        {0x80000002u, "HKEY_LOCAL_MACHINE"}};

struct RegTree {
  RegNode roots[3];
  RegTree();
  RegTree Clone() const;
  // The root node for a predefined handle, or null.
  RegNode* Root(uint32_t handle);
};

}  // namespace kov::substitute

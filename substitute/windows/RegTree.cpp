#include "windows/RegTree.h"

#include <algorithm>

#include "base/Text.h"

namespace kov::substitute {

int CompareRegNames(const std::string& a, const std::string& b) {
  return TextCompare(FromAnsi(a), FromAnsi(b));
}

std::unique_ptr<RegNode> RegNode::Clone() const {
  auto copy = std::make_unique<RegNode>(name);
  copy->values = values;
  for (const auto& child : children) copy->children.push_back(child->Clone());
  return copy;
}

RegNode* RegNode::Child(const std::string& childName) const {
  for (const auto& child : children) {
    if (CompareRegNames(child->name, childName) == 0) return child.get();
  }
  return nullptr;
}

RegNode* RegNode::AddChild(const std::string& childName) {
  if (RegNode* existing = Child(childName)) return existing;
  auto at = std::find_if(children.begin(), children.end(), [&](const auto& child) {
    return CompareRegNames(child->name, childName) > 0;
  });
  return children.insert(at, std::make_unique<RegNode>(childName))->get();
}

bool RegNode::RemoveChild(const std::string& childName) {
  return std::erase_if(children, [&](const auto& child) {
           return CompareRegNames(child->name, childName) == 0;
         }) > 0;
}

RegValue* RegNode::Value(const std::string& valueName) {
  for (auto& value : values) {
    if (CompareRegNames(value.name, valueName) == 0) return &value;
  }
  return nullptr;
}

void RegNode::SetValue(const std::string& valueName, uint32_t type, std::string data) {
  if (RegValue* existing = Value(valueName)) {
    existing->type = type;
    existing->data = std::move(data);
    return;
  }
  values.push_back(RegValue{valueName, type, std::move(data)});
}

bool RegNode::RemoveValue(const std::string& valueName) {
  return std::erase_if(values, [&](const RegValue& value) {
           return CompareRegNames(value.name, valueName) == 0;
         }) > 0;
}

RegTree::RegTree() {
  for (size_t i = 0; i < 3; ++i) roots[i].name = kRegRoots[i].name;
}

RegTree RegTree::Clone() const {
  RegTree copy;
  for (size_t i = 0; i < 3; ++i) {
    copy.roots[i].values = roots[i].values;
    for (const auto& child : roots[i].children) copy.roots[i].children.push_back(child->Clone());
  }
  return copy;
}

RegNode* RegTree::Root(uint32_t handle) {
  for (size_t i = 0; i < 3; ++i) {
    if (kRegRoots[i].handle == handle) return &roots[i];
  }
  return nullptr;
}

}  // namespace kov::substitute

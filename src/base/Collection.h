// A VB-style Collection: items indexed from 1, optionally with a unique text key that is
// compared without regard to letter case. Errors are the ones VB raises, so that code written
// against VB's behaviour (a missing key, an index past the end) fails the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/ComError.h"
#include "base/Text.h"

namespace kov {

template <typename T>
class Collection {
 public:
  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }

  // Appends an item; with a key, the key must not be in use yet (error 457). `before` inserts
  // ahead of the item at that 1-based position instead of appending.
  void Add(T item, const std::string& key = "", std::optional<int32_t> before = std::nullopt) {
    if (!key.empty() && Find(key) != 0) throw ComError::Vb(vberr::KeyAlreadyInCollection);
    Entry entry{std::move(item), key};
    if (before) {
      CheckIndex(*before);
      entries_.insert(entries_.begin() + (*before - 1), std::move(entry));
    } else {
      entries_.push_back(std::move(entry));
    }
  }

  // The item at a 1-based index; an index outside 1..Count raises error 9.
  T& Item(int32_t index) {
    CheckIndex(index);
    return entries_[index - 1].item;
  }
  const T& Item(int32_t index) const {
    CheckIndex(index);
    return entries_[index - 1].item;
  }

  // The item stored under a key; an unknown key raises error 5.
  T& Item(const std::string& key) { return entries_[KeyIndex(key) - 1].item; }
  const T& Item(const std::string& key) const { return entries_[KeyIndex(key) - 1].item; }

  bool Contains(const std::string& key) const { return Find(key) != 0; }

  void Remove(int32_t index) {
    CheckIndex(index);
    entries_.erase(entries_.begin() + (index - 1));
  }
  void Remove(const std::string& key) { entries_.erase(entries_.begin() + (KeyIndex(key) - 1)); }

  void Clear() { entries_.clear(); }

  // Enumeration visits the items in index order, as For Each does.
  auto begin() { return ItemIterator<typename std::vector<Entry>::iterator>{entries_.begin()}; }
  auto end() { return ItemIterator<typename std::vector<Entry>::iterator>{entries_.end()}; }
  auto begin() const {
    return ItemIterator<typename std::vector<Entry>::const_iterator>{entries_.begin()};
  }
  auto end() const {
    return ItemIterator<typename std::vector<Entry>::const_iterator>{entries_.end()};
  }

 private:
  struct Entry {
    T item;
    std::string key;
  };

  template <typename It>
  struct ItemIterator {
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = decltype(&std::declval<It>()->item);
    using reference = decltype((std::declval<It>()->item));
    It it;
    auto& operator*() const { return it->item; }
    auto* operator->() const { return &it->item; }
    ItemIterator& operator++() {
      ++it;
      return *this;
    }
    ItemIterator operator++(int) {
      ItemIterator before = *this;
      ++it;
      return before;
    }
    bool operator==(const ItemIterator& other) const { return it == other.it; }
  };

  void CheckIndex(int32_t index) const {
    if (index < 1 || index > Count()) throw ComError::Vb(vberr::SubscriptOutOfRange);
  }

  int32_t Find(const std::string& key) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (!entries_[i].key.empty() && TextEquals(entries_[i].key, key)) {
        return static_cast<int32_t>(i + 1);
      }
    }
    return 0;
  }

  int32_t KeyIndex(const std::string& key) const {
    const int32_t index = Find(key);
    if (index == 0) throw ComError::Vb(vberr::InvalidProcedureCall);
    return index;
  }

  std::vector<Entry> entries_;
};

}  // namespace kov

#pragma once

// The in-memory list of one record kind: records in list order (which is file order), an index
// by No and a count. After every operation RecNo runs 1..n in list order, except after Append,
// which keeps the RecNo the caller set (SetDefaults gives count + 1).
//
// Records are reached through Find(No). A pointer or reference into the list is valid only until
// the next operation that adds, removes or reorders records.

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "data/record_types.h"

namespace orvanta {

template <typename T>
class RecordList {
 public:
  using Record = T;

  int Count() const { return static_cast<int>(records_.size()); }
  bool Empty() const { return records_.empty(); }

  // The record with this No, or nullptr when no record has it (also for numbers outside
  // 1..5000). Every reference by No goes through here.
  T* Find(int no) { return const_cast<T*>(std::as_const(*this).Find(no)); }
  const T* Find(int no) const {
    if (no < 1 || no > kMaxRecords) return nullptr;
    const int32_t position = index_[no];
    return position == 0 ? nullptr : &records_[position - 1];
  }
  bool Has(int no) const { return Find(no) != nullptr; }

  // List order.
  auto begin() { return records_.begin(); }
  auto end() { return records_.end(); }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }
  T& At(int position) { return records_[position]; }  // 0-based position in list order
  const T& At(int position) const { return records_[position]; }

  // Smallest number 1..5000 that no record uses; 1 when all are used.
  int NewNo() const {
    for (int no = 1; no <= kMaxRecords; ++no) {
      if (index_[no] == 0) return no;
    }
    return 1;
  }

  // REQUIRES: Count() < 5000 and record.No is not in use.
  void Append(const T& record) {
    records_.push_back(record);
    Reindex();
  }

  // Removes the record with that No (if any), then renumbers and reindexes.
  void Delete(int no) {
    auto it = std::find_if(records_.begin(), records_.end(),
                           [no](const T& record) { return record.No == no; });
    if (it != records_.end()) records_.erase(it);
    Renumber();
  }

  void Clear() {
    records_.clear();
    Reindex();
  }

  // Takes the records as read from a file. REQUIRES: distinct Nos within 1..5000.
  void Assign(std::vector<T> records) {
    records_ = std::move(records);
    Reindex();
  }

  void Reindex() {
    index_.fill(0);
    for (size_t i = 0; i < records_.size(); ++i) {
      const int no = records_[i].No;
      if (no >= 1 && no <= kMaxRecords) index_[no] = static_cast<int32_t>(i + 1);
    }
  }

  // Stable sort by a strict weak order, then renumber and reindex. Records with equal keys keep
  // their relative order.
  template <typename Less>
  void SortBy(Less less) {
    std::stable_sort(records_.begin(), records_.end(), less);
    Renumber();
  }

  // Stable sort by a key computed once per record (keys compare with <).
  template <typename KeyOf>
  void SortByKey(KeyOf key_of) {
    using Key = decltype(key_of(records_.front()));
    std::vector<std::pair<Key, size_t>> keys;
    keys.reserve(records_.size());
    for (size_t i = 0; i < records_.size(); ++i) keys.emplace_back(key_of(records_[i]), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<T> sorted;
    sorted.reserve(records_.size());
    for (const auto& entry : keys) sorted.push_back(records_[entry.second]);
    records_ = std::move(sorted);
    Renumber();
  }

  void SortByRecNo() {
    SortBy([](const T& a, const T& b) { return a.RecNo < b.RecNo; });
  }

 private:
  void Renumber() {
    for (size_t i = 0; i < records_.size(); ++i) records_[i].RecNo = static_cast<int32_t>(i + 1);
    Reindex();
  }

  std::vector<T> records_;
  std::array<int32_t, kMaxRecords + 1> index_{};  // 1-based position, 0 = number not in use
};

}  // namespace orvanta

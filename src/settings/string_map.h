#pragma once
// The key/value table of the settings file; platform-free.
#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace SASM {

class StringMap {
 public:
  static constexpr int kBucketCount = 16;
  struct Entry {
    std::string key;
    std::string value;
  };

  // The key's bytes summed as signed 8-bit numbers, modulo 16 as a non-negative remainder.
  static int bucketOf(const std::string& key);

  // The value of the key, or the empty string when the key is absent.
  std::string lookup(const std::string& key) const;
  // Replaces the value of a present key in place; a new key goes to the front of its bucket.
  void set(const std::string& key, const std::string& value);

  // All entries in write order: by bucket, and within a bucket the newest key first.
  const std::vector<Entry>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }

 private:
  // Index of the first entry of `bucket`'s run, or where that run would start.
  size_t runStart(int bucket) const;
  // Index of the key's entry, or npos.
  size_t indexOf(const std::string& key) const;

  std::vector<Entry> entries_;
  // Bucket number of each entry, parallel to entries_.
  std::vector<int> buckets_;
};

}  // namespace SASM

#include "settings/string_map.h"

#include <algorithm>

namespace SASM {

int StringMap::bucketOf(const std::string& key) {
  unsigned sum = 0;
  for (char byte : key) sum += static_cast<unsigned>(static_cast<signed char>(byte));
  return static_cast<int>(sum & (kBucketCount - 1));
}

size_t StringMap::runStart(int bucket) const {
  return static_cast<size_t>(std::lower_bound(buckets_.begin(), buckets_.end(), bucket) -
                             buckets_.begin());
}

size_t StringMap::indexOf(const std::string& key) const {
  const int bucket = bucketOf(key);
  for (size_t i = runStart(bucket); i < entries_.size() && buckets_[i] == bucket; ++i) {
    if (entries_[i].key == key) return i;
  }
  return std::string::npos;
}

std::string StringMap::lookup(const std::string& key) const {
  const size_t index = indexOf(key);
  return index == std::string::npos ? std::string() : entries_[index].value;
}

void StringMap::set(const std::string& key, const std::string& value) {
  const size_t index = indexOf(key);
  if (index != std::string::npos) {
    entries_[index].value = value;
    return;
  }
  // Before the bucket's first entry; for an empty bucket that is right after the nearest
  // lower bucket's run, or right before the nearest higher one's.
  const int bucket = bucketOf(key);
  const size_t position = runStart(bucket);
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), Entry{key, value});
  buckets_.insert(buckets_.begin() + static_cast<std::ptrdiff_t>(position), bucket);
}

}  // namespace SASM

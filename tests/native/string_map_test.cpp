#include "settings/string_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> keysInOrder(const SASM::StringMap& map) {
  std::vector<std::string> keys;
  for (const auto& entry : map.entries()) keys.push_back(entry.key);
  return keys;
}

}  // namespace

TEST(StringMapBucket, SumsBytesAsSignedNumbers) {
  EXPECT_EQ(SASM::StringMap::bucketOf("AutoUpdateDisable"), 0);
  EXPECT_EQ(SASM::StringMap::bucketOf("SilentAutoUpdateEnable"), 2);
  EXPECT_EQ(SASM::StringMap::bucketOf("SilentAutoUpdateVerboseLogging"), 8);
  EXPECT_EQ(SASM::StringMap::bucketOf("SilentAutoUpdateServerDomain"), 10);
  EXPECT_EQ(SASM::StringMap::bucketOf(""), 0);
  // 0xFF counts as -1, so the sum is negative and the remainder is taken in two's complement.
  EXPECT_EQ(SASM::StringMap::bucketOf("\xFF"), 15);
  EXPECT_EQ(SASM::StringMap::bucketOf("\x80"), 0);
  EXPECT_EQ(SASM::StringMap::bucketOf("\x80\x81"), 1);
}

TEST(StringMapOrder, SortsByBucketNewestFirstWithinBucket) {
  SASM::StringMap map;
  map.set("SilentAutoUpdateEnable", "1");  // bucket 2
  map.set("AutoUpdateDisable", "0");       // bucket 0: before bucket 2
  map.set("ab", "x");                      // bucket 3: after bucket 2
  map.set("ba", "y");                      // bucket 3 again: first of its bucket
  map.set("SilentAutoUpdateServerDomain", "d");  // bucket 10: after everything
  map.set("SilentAutoUpdateVerboseLogging", "1");  // bucket 8: between 3 and 10
  EXPECT_EQ(keysInOrder(map),
            (std::vector<std::string>{"AutoUpdateDisable", "SilentAutoUpdateEnable", "ba", "ab",
                                      "SilentAutoUpdateVerboseLogging",
                                      "SilentAutoUpdateServerDomain"}));
}

TEST(StringMapOrder, NewKeyBeforeHigherBucketWhenNoLowerOneExists) {
  SASM::StringMap map;
  map.set("SilentAutoUpdateServerDomain", "d");  // bucket 10
  map.set("SilentAutoUpdateEnable", "1");        // bucket 2
  EXPECT_EQ(keysInOrder(map),
            (std::vector<std::string>{"SilentAutoUpdateEnable", "SilentAutoUpdateServerDomain"}));
}

TEST(StringMapSet, ReplacingKeepsPositionAndKeysAreCaseSensitive) {
  SASM::StringMap map;
  map.set("ab", "1");
  map.set("ba", "2");
  map.set("ab", "3");
  EXPECT_EQ(keysInOrder(map), (std::vector<std::string>{"ba", "ab"}));
  EXPECT_EQ(map.lookup("ab"), "3");
  EXPECT_EQ(map.lookup("AB"), "");
  EXPECT_EQ(map.lookup("absent"), "");
  EXPECT_EQ(map.entries().size(), 2u);
}

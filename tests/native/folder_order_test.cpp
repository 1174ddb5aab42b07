#include "settings/folder_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

void fill(SASM::StringVector& names, const std::vector<std::string>& texts) {
  for (const auto& text : texts) ASSERT_TRUE(names.append(text));
}

std::vector<std::string> contentOf(const SASM::StringVector& names) {
  std::vector<std::string> texts;
  for (size_t i = 0; i < names.size(); ++i) texts.push_back(names.at(i));
  return texts;
}

// Sorts and checks that the result is an ordered permutation of the input.
void expectSortedPermutation(std::vector<std::string> texts) {
  SASM::StringVector names;
  fill(names, texts);
  SASM::sortFolderNames(names);
  const std::vector<std::string> sorted = contentOf(names);
  for (size_t i = 1; i < sorted.size(); ++i)
    ASSERT_LE(SASM::compareFolderNames(sorted[i - 1], sorted[i]), 0)
        << "'" << sorted[i - 1] << "' before '" << sorted[i] << "' at " << i;
  std::vector<std::string> expected = texts;
  std::vector<std::string> actual = sorted;
  std::sort(expected.begin(), expected.end());
  std::sort(actual.begin(), actual.end());
  EXPECT_EQ(actual, expected);
}

}  // namespace

TEST(FolderOrder, ComparesNames) {
  struct Case {
    const char* name;
    std::string first;
    std::string second;
    int expected;  // sign of the comparison
  } const cases[] = {
      {"bytes", "a", "b", -1},
      {"upper case before lower", "B", "a", -1},
      {"prefix first", "ab", "abc", -1},
      {"bytes are unsigned", "\x7f", "\x80", -1},
      {"equal text", "abc", "abc", 0},
      {"text before number", "zzz", "0", -1},
      {"digits and a letter are text", "1a", "0", -1},
      {"empty name is a number", "a", "", -1},
      {"empty name is zero", "", "0", 0},
      {"by value, not by bytes", "9", "10", -1},
      {"leading zeros do not count", "01", "1", 0},
      {"leading zeros do not make it larger", "0009", "10", -1},
      {"beyond 64 bits", "99999999999999999999", "100000000000000000000", -1},
      {"equal long values", "000123456789012345678901234567890", "123456789012345678901234567890",
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SASM::compareFolderNames(c.first, c.second), c.expected);
    EXPECT_EQ(SASM::compareFolderNames(c.second, c.first), -c.expected);
  }
}

TEST(FolderOrder, SortsTextBeforeNumbers) {
  SASM::StringVector names;
  fill(names, {"b", "10", "a", "9"});
  SASM::sortFolderNames(names);
  EXPECT_EQ(contentOf(names), (std::vector<std::string>{"a", "b", "9", "10"}));
}

TEST(FolderOrder, SortsAnyMixOfNames) {
  std::mt19937 random(20240601);
  const std::string alphabet = "0123456789ab\xc3";
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> texts(random() % 40);
    for (auto& text : texts) {
      text.resize(random() % 4);
      for (auto& c : text) c = alphabet[random() % alphabet.size()];
    }
    SCOPED_TRACE(round);
    expectSortedPermutation(texts);
  }
}

TEST(FolderOrder, SortsLargeOrderedAndUniformInputs) {
  std::vector<std::string> descending;
  for (int i = 20000; i > 0; --i) descending.push_back(std::to_string(i));
  expectSortedPermutation(descending);
  expectSortedPermutation(std::vector<std::string>(20000, "same"));
}

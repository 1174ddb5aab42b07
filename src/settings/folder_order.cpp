#include "settings/folder_order.h"

#include <cstring>

namespace SASM {
namespace {

bool isNumeric(const std::string& name) {
  for (const char c : name)
    if (c < '0' || c > '9') return false;
  return true;
}

int sign(int value) { return (value > 0) - (value < 0); }

// Digit strings may be longer than any integer type, so they are compared as text: without
// leading zeros the longer one is larger, and equal lengths compare digit by digit.
int compareDecimal(const std::string& first, const std::string& second) {
  const size_t firstStart = first.find_first_not_of('0');
  const size_t secondStart = second.find_first_not_of('0');
  const size_t firstLength = firstStart == std::string::npos ? 0 : first.size() - firstStart;
  const size_t secondLength = secondStart == std::string::npos ? 0 : second.size() - secondStart;
  if (firstLength != secondLength) return firstLength < secondLength ? -1 : 1;
  if (firstLength == 0) return 0;
  return sign(std::memcmp(first.data() + firstStart, second.data() + secondStart, firstLength));
}

// Hoare partition around the middle element's value: afterwards [low, split] holds no name
// above the pivot and (split, high] none below it, with both parts non-empty.
size_t partition(StringVector& names, size_t low, size_t high) {
  // Swaps move pointers only, so the pivot string stays where this reference points.
  const std::string& pivot = names.at(low + (high - low) / 2);
  size_t i = low;
  size_t j = high;
  for (;;) {
    while (compareFolderNames(names.at(i), pivot) < 0) ++i;
    while (compareFolderNames(pivot, names.at(j)) < 0) --j;
    if (i >= j) return j;
    names.swapElements(i, j);
    ++i;
    --j;
  }
}

// Recursing into the smaller part only keeps the stack depth logarithmic, whatever names a
// folder holds.
void sortRange(StringVector& names, size_t low, size_t high) {
  while (low < high) {
    const size_t split = partition(names, low, high);
    if (split - low < high - split) {
      sortRange(names, low, split);
      low = split + 1;
    } else {
      sortRange(names, split + 1, high);
      high = split;
    }
  }
}

}  // namespace

int compareFolderNames(const std::string& first, const std::string& second) {
  const bool firstNumeric = isNumeric(first);
  const bool secondNumeric = isNumeric(second);
  if (firstNumeric != secondNumeric) return firstNumeric ? 1 : -1;
  if (firstNumeric) return compareDecimal(first, second);
  // std::string compares through char_traits<char>, which orders bytes as unsigned.
  return sign(first.compare(second));
}

void sortFolderNames(StringVector& names) {
  if (names.size() >= 2) sortRange(names, 0, names.size() - 1);
}

}  // namespace SASM

#include "settings/string_vector.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

namespace {

// While set, the next array allocation made without exceptions fails; the vector asks for
// its arrays that way, so this stands for running out of memory.
bool failNextNothrowArray = false;

}  // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  if (failNextNothrowArray) {
    failNextNothrowArray = false;
    return nullptr;
  }
  try {
    return ::operator new[](size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

namespace {

std::string nameOf(size_t i) { return "name" + std::to_string(i); }

void appendNames(SASM::StringVector& names, size_t count) {
  for (size_t i = names.size(), end = names.size() + count; i < end; ++i)
    ASSERT_TRUE(names.append(nameOf(i)));
}

void expectNamesInOrder(const SASM::StringVector& names) {
  for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names.at(i), nameOf(i)) << "index " << i;
}

}  // namespace

TEST(StringVector, StartsEmptyWithRoomForTen) {
  SASM::StringVector names;
  EXPECT_EQ(names.size(), 0u);
  EXPECT_EQ(names.capacity(), 10u);
}

TEST(StringVector, AppendKeepsItsOwnCopy) {
  SASM::StringVector names;
  std::string text = "before";
  ASSERT_TRUE(names.append(text));
  text = "after";
  ASSERT_TRUE(names.append(""));
  EXPECT_EQ(names.at(0), "before");
  EXPECT_EQ(names.at(1), "");
}

TEST(StringVector, CapacityDoublesWhenFullAndKeepsOrder) {
  SASM::StringVector names;
  appendNames(names, 10);
  EXPECT_EQ(names.capacity(), 10u);
  appendNames(names, 1);
  EXPECT_EQ(names.capacity(), 20u);
  appendNames(names, 30);
  EXPECT_EQ(names.size(), 41u);
  EXPECT_EQ(names.capacity(), 80u);
  expectNamesInOrder(names);
}

TEST(StringVector, FailedGrowthRefusesTheAppendAndKeepsTheElements) {
  SASM::StringVector names;
  appendNames(names, 10);
  failNextNothrowArray = true;
  EXPECT_FALSE(names.append("one too many"));
  EXPECT_EQ(names.size(), 10u);
  EXPECT_EQ(names.capacity(), 10u);
  expectNamesInOrder(names);
  // Memory is back: the next append grows as usual.
  appendNames(names, 1);
  EXPECT_EQ(names.capacity(), 20u);
  expectNamesInOrder(names);
}

TEST(StringVector, WithoutAFirstArrayStartsAgainAtTen) {
  failNextNothrowArray = true;
  SASM::StringVector names;
  EXPECT_EQ(names.capacity(), 0u);
  appendNames(names, 1);
  EXPECT_EQ(names.capacity(), 10u);
  expectNamesInOrder(names);
}

TEST(StringVector, SwapExchangesTwoElements) {
  SASM::StringVector names;
  appendNames(names, 3);
  names.swapElements(0, 2);
  EXPECT_EQ(names.at(0), nameOf(2));
  EXPECT_EQ(names.at(1), nameOf(1));
  EXPECT_EQ(names.at(2), nameOf(0));
}

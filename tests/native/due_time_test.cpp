#include "update/due_time.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(ClampCheckFrequency, LimitsToOneToThreeDays) {
  const struct {
    uint32_t days, expected;
  } cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 3}, {7, 3}, {0xFFFFFFFFu, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.days);
    EXPECT_EQ(clampCheckFrequency(c.days), c.expected);
  }
}

TEST(IsDueAt, DueOnlyStrictlyAfterTheLimit) {
  const uint64_t day = kFileTimeUnitsPerDay;
  // 2024-01-01 00:00 UTC as a file time.
  const uint64_t t = 133485408000000000ull;
  const struct {
    const char* name;
    uint64_t last;
    uint32_t days;
    uint64_t now;
    bool expected;
  } cases[] = {
      {"one unit before the limit", t, 2, t + 2 * day - 1, false},
      {"exactly at the limit", t, 2, t + 2 * day, false},
      {"one unit after the limit", t, 2, t + 2 * day + 1, true},
      {"never checked", 0, 3, t, true},
      {"a four-byte value of 5 read as a time", 5, 1, t, true},
      {"clock turned back", t + 10 * day, 1, t, false},
      {"clock turned back, then past last + frequency", t + 10 * day, 1, t + 11 * day + 1, true},
      // The limit wraps modulo 2^64 to a small value.
      {"limit wraps below now", UINT64_MAX - day + 1, 2, day + 1, true},
      {"limit wraps to exactly now", UINT64_MAX - day + 1, 2, day, false},
      {"limit wraps above now", UINT64_MAX - day + 1, 2, day - 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(isDueAt(c.last, c.days, c.now), c.expected);
  }
}


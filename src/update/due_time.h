#pragma once
// Arithmetic of the update-check schedule; platform-free.
#include <cstdint>

// One day in file-time units (100 nanoseconds).
constexpr uint64_t kFileTimeUnitsPerDay = 864000000000ull;

// Days between checks, limited to 1..3: 0 becomes 1, anything above 3 becomes 3.
uint32_t clampCheckFrequency(uint32_t days);

// True when `last` + `days` days lies strictly before `now`; all times UTC file times
// (100-nanosecond units since 1601). The sum wraps modulo 2^64; `days` is taken as given.
bool isDueAt(uint64_t last, uint32_t days, uint64_t now);

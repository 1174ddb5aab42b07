#include "update/due_time.h"

uint32_t clampCheckFrequency(uint32_t days) {
  if (days < 1) return 1;
  if (days > 3) return 3;
  return days;
}

bool isDueAt(uint64_t last, uint32_t days, uint64_t now) {
  // Wraps modulo 2^64 on purpose: a stored time near the top of the range yields a small
  // limit, so a corrupt value makes the check due rather than postponing it for ever.
  const uint64_t limit = last + static_cast<uint64_t>(days) * kFileTimeUnitsPerDay;
  return limit < now;
}

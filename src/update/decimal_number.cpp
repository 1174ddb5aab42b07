#include "update/decimal_number.h"

namespace {

template <typename Char>
bool isCSpace(Char c) {
  // The C locale's white space; the locale of the process must not change what a version reads as.
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

template <typename Char>
uint32_t parseDecimal(const Char* text) {
  while (isCSpace(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') {
    negative = *text == '-';
    ++text;
  }
  constexpr uint64_t kMax = UINT32_MAX;
  uint64_t magnitude = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    // Saturating keeps the sum within 64 bits however many digits follow.
    magnitude = magnitude * 10 + static_cast<uint64_t>(*text - '0');
    if (magnitude > kMax) magnitude = kMax;
  }
  // The magnitude saturates before the sign applies, as in the Windows C runtime's strtoul:
  // "-99999999999" reads as 1, not as 4294967295.
  const auto value = static_cast<uint32_t>(magnitude);
  return negative ? 0u - value : value;
}

}  // namespace

uint32_t parseUnsignedDecimal(const char* text) { return parseDecimal(text); }
uint32_t parseUnsignedDecimal(const wchar_t* text) { return parseDecimal(text); }

#pragma once
// Base-10 reading of the numbers in the manifest and in installed-version texts; platform-free.
#include <cstdint>

// Reads an unsigned 32-bit number the way the Windows C runtime's strtoul(text, nullptr, 10)
// does: leading white space skipped, an optional sign, digits up to the first other character.
// No digits give 0; a magnitude above 4294967295 counts as 4294967295; a "-" then negates
// modulo 2^32 (so "-1" is 4294967295 and "-4294967296" is 1). Never fails; `text` must be
// zero-terminated.
uint32_t parseUnsignedDecimal(const char* text);
uint32_t parseUnsignedDecimal(const wchar_t* text);

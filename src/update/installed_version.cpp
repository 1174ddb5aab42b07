#include "update/installed_version.h"

#include "update/decimal_number.h"

InstalledVersion parseInstalledVersionText(const std::wstring& text) {
  uint32_t components[4] = {0, 0, 0, 0};
  // c_str() so that a registry buffer carrying its terminator (or garbage after it) ends there.
  const wchar_t* piece = text.c_str();
  for (int index = 0;; ++index) {
    if (index == 4) return InstalledVersion{0, 0, 0, 0};
    // The number reading stops at the dot, so each piece is read where it stands.
    components[index] = parseUnsignedDecimal(piece);
    while (*piece != L'\0' && *piece != L'.') ++piece;
    if (*piece == L'\0') break;
    ++piece;
  }
  return InstalledVersion{components[0], components[1], components[2], components[3]};
}

int compareVersions(const InstalledVersion& a, const InstalledVersion& b) {
  const uint32_t left[] = {a.major, a.minor, a.buildMajor, a.buildMinor};
  const uint32_t right[] = {b.major, b.minor, b.buildMajor, b.buildMinor};
  for (int i = 0; i < 4; ++i) {
    if (left[i] != right[i]) return left[i] > right[i] ? 1 : -1;
  }
  return 0;
}

bool isUpdateNeeded(const VersionInfo& offered, const InstalledVersion& installed) {
  if (installed == InstalledVersion{0, 0, 0, 0}) return false;
  return compareVersions(offered, installed) == 1;
}

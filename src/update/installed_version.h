#pragma once
// The installed version of a flavour as its installer records it; platform-free part.
#include <cstdint>
#include <ostream>
#include <string>

#include "update/version_info.h"

// Four components in the order of VersionInfo; 0.0.0.0 means no usable installation.
struct InstalledVersion {
  uint32_t major;
  uint32_t minor;
  uint32_t buildMajor;
  uint32_t buildMinor;
};

inline bool operator==(const InstalledVersion& a, const InstalledVersion& b) {
  return a.major == b.major && a.minor == b.minor && a.buildMajor == b.buildMajor &&
         a.buildMinor == b.buildMinor;
}
inline bool operator!=(const InstalledVersion& a, const InstalledVersion& b) { return !(a == b); }

inline std::ostream& operator<<(std::ostream& out, const InstalledVersion& v) {
  return out << v.major << '.' << v.minor << '.' << v.buildMajor << '.' << v.buildMinor;
}

// The components of a manifest record, without its flavour.
InstalledVersion versionNumbers(const VersionInfo& info);

// Reads dotted text such as "11.4.310.52", up to its first zero character. Each piece between
// dots is read by parseUnsignedDecimal (an empty piece is 0); missing pieces are 0. Text with
// a fifth piece is unusable and gives 0.0.0.0.
InstalledVersion parseInstalledVersionText(const std::wstring& text);

// 1 when a is greater, -1 when smaller, 0 when equal; component by component, as numbers.
int compareVersions(const InstalledVersion& a, const InstalledVersion& b);

// True when `installed` is a usable installation (not 0.0.0.0) older than `offered`.
bool isUpdateNeeded(const VersionInfo& offered, const InstalledVersion& installed);

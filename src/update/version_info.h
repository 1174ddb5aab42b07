#pragma once
// The version records of the manifest; platform-free.
#include <cstdint>
#include <ostream>

enum PlayerFlavour : int32_t { ActiveX = 1, Plugin = 2 };

// One flavour's version; components compare in declaration order.
struct VersionInfo {
  uint32_t major;
  uint32_t minor;
  uint32_t buildMajor;
  uint32_t buildMinor;
  PlayerFlavour flavour;
};

inline bool operator==(const VersionInfo& a, const VersionInfo& b) {
  return a.major == b.major && a.minor == b.minor && a.buildMajor == b.buildMajor &&
         a.buildMinor == b.buildMinor && a.flavour == b.flavour;
}
inline bool operator!=(const VersionInfo& a, const VersionInfo& b) { return !(a == b); }

// "11.4.310.52 (flavour 1)".
inline std::ostream& operator<<(std::ostream& out, const VersionInfo& v) {
  return out << v.major << '.' << v.minor << '.' << v.buildMajor << '.' << v.buildMinor
             << " (flavour " << static_cast<int32_t>(v.flavour) << ')';
}

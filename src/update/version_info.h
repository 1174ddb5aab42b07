#pragma once
// The version records of the manifest; platform-free.
#include <cstdint>
#include <ostream>

enum PlayerFlavour : int32_t { ActiveX = 1, Plugin = 2 };

// The four components of a version; they compare in declaration order.
struct VersionNumbers {
  uint32_t major;
  uint32_t minor;
  uint32_t buildMajor;
  uint32_t buildMinor;
};

inline bool operator==(const VersionNumbers& a, const VersionNumbers& b) {
  return a.major == b.major && a.minor == b.minor && a.buildMajor == b.buildMajor &&
         a.buildMinor == b.buildMinor;
}
inline bool operator!=(const VersionNumbers& a, const VersionNumbers& b) { return !(a == b); }

// "11.4.310.52".
inline std::ostream& operator<<(std::ostream& out, const VersionNumbers& v) {
  return out << v.major << '.' << v.minor << '.' << v.buildMajor << '.' << v.buildMinor;
}

// One flavour's version as the manifest gives it.
struct VersionInfo : VersionNumbers {
  PlayerFlavour flavour;
};

inline bool operator==(const VersionInfo& a, const VersionInfo& b) {
  return static_cast<const VersionNumbers&>(a) == b && a.flavour == b.flavour;
}
inline bool operator!=(const VersionInfo& a, const VersionInfo& b) { return !(a == b); }

// "11.4.310.52 (flavour 1)".
inline std::ostream& operator<<(std::ostream& out, const VersionInfo& v) {
  return out << static_cast<const VersionNumbers&>(v) << " (flavour "
             << static_cast<int32_t>(v.flavour) << ')';
}

#pragma once
// Reading of the version manifest; platform-free. The caller logs the outcome.
#include <cstdint>

#include "update/version_info.h"

enum class ManifestParse {
  Ok,
  SyntaxError,  // the XML parser rejected the text
  OutOfMemory,  // memory ran out while parsing
  MissingItem,  // an element or attribute that the manifest must carry is absent
};

// Parses the zero-terminated manifest `text` in place (the text is modified) and, only on Ok,
// fills the ActiveX and plug-in records and the check frequency in days, unclamped. On any
// other result the outputs are untouched. Never throws.
ManifestParse parseManifestText(char* text, VersionInfo& activeX, VersionInfo& plugin,
                                uint32_t& checkFrequency);

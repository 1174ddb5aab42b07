#pragma once
// The text form of the settings file; platform-free.
#include <string>

#include "settings/string_map.h"

namespace SASM {

// Reads key=value lines from the file's bytes into the table. Files shorter than four bytes
// and UTF-16 files hold no settings; a UTF-8 byte-order mark is skipped. Lines without "=",
// or whose trimmed key or value is empty, are ignored; a later key replaces an earlier one.
void parseSettingsText(const std::string& bytes, StringMap& table);

// The whole table as the file holds it: "key=value" CR LF per entry, in table order.
std::string formatSettingsText(const StringMap& table);

// True for "true", "t", "yes", "y" in any letter case, or a leading non-zero decimal number.
bool parseBool(const std::string& value);

}  // namespace SASM

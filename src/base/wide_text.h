#pragma once
// UTF-8 <-> UTF-16 conversions with the platform's converters.
#include <string>

namespace brenz {

// Converts UTF-8 text to UTF-16. Returns false, leaving `wide` unchanged, when the platform
// refuses the text (the last error then tells why) or memory runs out.
bool utf8ToWide(const std::string& narrow, std::wstring& wide);
// Converts UTF-16 text to UTF-8; same contract as utf8ToWide.
bool wideToUtf8(const std::wstring& wide, std::string& narrow);

}  // namespace brenz

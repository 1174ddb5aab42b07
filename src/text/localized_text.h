#pragma once
// The localized texts of the executable's string tables.

namespace brenz {

// Returns string resource `id` of the running executable, in the language that the platform's
// string loader picks. The pointer designates the resource text itself (not a copy), or the
// constant "MISSING LOCALIZATION" when the text is absent or empty; it is never null. Either way
// the text is zero-terminated, lives as long as the process and must not be freed or modified.
// Keeps no cache and writes no log record.
const wchar_t* loadLocalizedText(unsigned id);

}  // namespace brenz

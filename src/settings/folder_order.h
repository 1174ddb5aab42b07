#pragma once
// The order in which folder listings are returned; platform-free.
#include <string>

#include "settings/string_vector.h"

namespace SASM {

// Negative, zero or positive as `first` sorts before, together with or after `second`.
// Names made only of digits (the empty name too) come after all others and compare by
// decimal value, of any length; other names compare as unsigned bytes, a prefix first.
int compareFolderNames(const std::string& first, const std::string& second);

// Sorts in place by compareFolderNames. Names that compare equal ("1", "01") end in no
// defined order.
void sortFolderNames(StringVector& names);

}  // namespace SASM

#pragma once
// Identifiers of the string resources. Plain macros, so that the resource scripts can use them
// as well as the C++ code.
//
// The string loader stores texts in blocks of 16 identifiers. Each text here must stay the only
// non-empty entry of its block and be followed by an empty entry: that empty entry's zero
// length is what terminates the text where loadLocalizedText hands it out in place.

// Description of the scheduled task (block 96..111).
#define IDS_TASK_DESCRIPTION 110
// Description of the service (block 112..127).
#define IDS_SERVICE_DESCRIPTION 120

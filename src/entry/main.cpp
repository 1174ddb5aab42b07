#include "entry/entry.h"

int wmain(int argc, wchar_t** argv) { return runEntry(argc, argv); }

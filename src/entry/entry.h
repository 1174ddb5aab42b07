#pragma once
// The entry function: start records, dispatch on the first argument, exit code.
#include <string>

// Exit code of -isSAUEnabled when silent updating is enabled; every other run ends with 0.
constexpr int kSilentUpdateEnabledExitCode = 1001;

// Full path of the running module, whatever its length and however the program was started.
std::wstring runningExecutablePath();

int runEntry(int argc, wchar_t** argv);

#pragma once
// The install log: the program's only diagnostic channel.
#include <cstdint>
#include <string>

#include "log/log_record.h"

// Set once, before any service thread exists, when the administrator asks for verbose logs.
extern bool verboseLogging;

// Relative to the current folder; the folder is never created by the log.
extern const wchar_t* const kInstallLogPath;

// Stamps the message with the UTC time, echoes it to standard output and appends it to the
// log file. Info and Warning records pass only when verboseLogging is set. Never fails:
// a file that cannot be opened loses the record from the file, silently.
void logMessage(LogLevel level, std::wstring message);

inline void logCode(LogLevel level, int32_t code) { logMessage(level, codeMessage(code)); }
inline void logCode(LogLevel level, int32_t code, uint32_t value) {
  logMessage(level, codeMessage(code, static_cast<int32_t>(value)));
}

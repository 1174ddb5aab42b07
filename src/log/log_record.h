#pragma once
// Text of install-log records; platform-free.
#include <cstdint>
#include <string>

enum class LogLevel : int { Info = 0, Warning = 1, Error = 2 };

// One reading of the clock, in UTC.
struct LogTime {
  unsigned year, month, day, hour, minute, second, milliseconds;
};

// Base-10 text of a signed 32-bit value: leading "-" for negatives, no padding or grouping.
// Unsigned platform values (error codes, HRESULTs) pass through it as signed numbers.
std::wstring toDecimal(int32_t value);

// "code", "code value" and "code text": the message shapes every caller uses.
std::wstring codeMessage(int32_t code);
std::wstring codeMessage(int32_t code, int32_t value);
std::wstring codeMessage(int32_t code, const std::wstring& text);

// "Y-M-D+h-m-s.ms [level] message" followed by CR LF, with unpadded fields.
std::wstring formatLogRecord(const LogTime& time, LogLevel level, const std::wstring& message);

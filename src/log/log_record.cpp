#include "log/log_record.h"

std::wstring toDecimal(int32_t value) {
  // Work in 64 bits so that the most negative value has a magnitude too.
  int64_t magnitude = value;
  const bool negative = magnitude < 0;
  if (negative) magnitude = -magnitude;
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) digits.insert(digits.begin(), L'-');
  return digits;
}

std::wstring codeMessage(int32_t code) { return toDecimal(code); }

std::wstring codeMessage(int32_t code, int32_t value) {
  return toDecimal(code) + L" " + toDecimal(value);
}

std::wstring codeMessage(int32_t code, const std::wstring& text) {
  return toDecimal(code) + L" " + text;
}

namespace {

const wchar_t* levelWord(LogLevel level) {
  switch (level) {
    case LogLevel::Info:
      return L"info";
    case LogLevel::Warning:
      return L"warning";
    case LogLevel::Error:
      return L"error";
  }
  return L"error";
}

std::wstring field(unsigned value) { return toDecimal(static_cast<int32_t>(value)); }

}  // namespace

std::wstring formatLogRecord(const LogTime& time, LogLevel level, const std::wstring& message) {
  return field(time.year) + L"-" + field(time.month) + L"-" + field(time.day) + L"+" +
         field(time.hour) + L"-" + field(time.minute) + L"-" + field(time.second) + L"." +
         field(time.milliseconds) + L" [" + levelWord(level) + L"] " + message + L"\r\n";
}

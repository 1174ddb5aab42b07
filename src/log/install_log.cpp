#include "log/install_log.h"

#include <windows.h>

#include <string>

#include "base/file_api.h"
#include "base/unique_handle.h"
#include "base/wide_text.h"

bool verboseLogging = false;
const wchar_t* const kInstallLogPath = L"Quenrith\\Brenz\\BrenzInstall.log";

namespace {

LogTime currentUtcTime() {
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
          now.wMilliseconds};
}

void writeAll(HANDLE handle, const void* bytes, DWORD size) {
  DWORD written = 0;
  brenz::fileApi().writeFile(handle, bytes, size, &written, nullptr);
}

// A console takes the UTF-16 text as it is; a redirected output gets UTF-8 bytes.
void echoToStandardOutput(const std::wstring& record) {
  const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
  if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
  const std::wstring line = record + L"\r\n";
  DWORD mode = 0;
  if (::GetConsoleMode(output, &mode)) {
    DWORD written = 0;
    ::WriteConsoleW(output, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return;
  }
  std::string bytes;
  if (brenz::wideToUtf8(line, bytes)) writeAll(output, bytes.data(), static_cast<DWORD>(bytes.size()));
}

// Opened for appending and shared for reading and writing, so concurrent writers (other
// threads, other instances) never fail on sharing and each record lands whole at the end.
void appendToLogFile(const std::wstring& record) {
  brenz::UniqueFile file(brenz::fileApi().createFile(
      kInstallLogPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  // The file holds the UTF-16 code units in little-endian order, without a byte-order mark.
  std::string bytes;
  bytes.reserve(record.size() * 2);
  for (wchar_t unit : record) {
    const auto value = static_cast<uint16_t>(unit);
    bytes.push_back(static_cast<char>(value & 0xFF));
    bytes.push_back(static_cast<char>(value >> 8));
  }
  writeAll(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()));
}

}  // namespace

void logMessage(LogLevel level, std::wstring message) {
  if (level != LogLevel::Error && !verboseLogging) return;
  // Neither the echo nor the file may change the error value that the caller goes on with.
  const DWORD lastError = ::GetLastError();
  const std::wstring record = formatLogRecord(currentUtcTime(), level, message);
  echoToStandardOutput(record);
  appendToLogFile(record);
  ::SetLastError(lastError);
}

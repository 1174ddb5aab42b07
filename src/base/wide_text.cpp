#include "base/wide_text.h"

#include <windows.h>

#include <new>
#include <vector>

namespace brenz {

bool utf8ToWide(const std::string& narrow, std::wstring& wide) {
  // Whole string including its terminator: first the length, then the conversion.
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, narrow.c_str(), -1, nullptr, 0);
  if (length <= 0) return false;
  try {
    std::vector<wchar_t> buffer(static_cast<size_t>(length));
    if (::MultiByteToWideChar(CP_UTF8, 0, narrow.c_str(), -1, buffer.data(), length) <= 0)
      return false;
    wide.assign(buffer.data());
  } catch (const std::bad_alloc&) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
  return true;
}

bool wideToUtf8(const std::wstring& wide, std::string& narrow) {
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return false;
  try {
    std::vector<char> buffer(static_cast<size_t>(length));
    if (::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, buffer.data(), length, nullptr,
                              nullptr) <= 0)
      return false;
    narrow.assign(buffer.data());
  } catch (const std::bad_alloc&) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
  return true;
}

}  // namespace brenz

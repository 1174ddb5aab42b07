#include "test_support.h"

#include <vector>

namespace testing_support {

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  static unsigned counter = 0;
  path_ = std::wstring(temp) + L"brenz-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  removeTree(path_);
  createFolders(path_);
  wchar_t current[MAX_PATH];
  ::GetCurrentDirectoryW(MAX_PATH, current);
  previous_ = current;
  ::SetCurrentDirectoryW(path_.c_str());
}

ScratchFolder::~ScratchFolder() {
  ::SetCurrentDirectoryW(previous_.c_str());
  removeTree(path_);
}

std::string readBytes(const std::wstring& path) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (::ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  ::CloseHandle(file);
  return bytes;
}

bool writeBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr) && written == bytes.size();
  ::CloseHandle(file);
  return ok;
}

bool fileExists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void createFolders(const std::wstring& path) {
  for (size_t slash = path.find(L'\\', 3); slash != std::wstring::npos;
       slash = path.find(L'\\', slash + 1))
    ::CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
  ::CreateDirectoryW(path.c_str(), nullptr);
}

void removeTree(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
    return;
  }
  WIN32_FIND_DATAW entry;
  HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name != L"." && name != L"..") removeTree(path + L"\\" + name);
    } while (::FindNextFileW(find, &entry));
    ::FindClose(find);
  }
  ::RemoveDirectoryW(path.c_str());
}

std::wstring listNames(const std::wstring& folder) {
  std::wstring names;
  WIN32_FIND_DATAW entry;
  HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (!names.empty()) names += L" ";
    names += name;
  } while (::FindNextFileW(find, &entry));
  ::FindClose(find);
  return names;
}

}  // namespace testing_support

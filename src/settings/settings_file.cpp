#include "settings/settings_file.h"

#include <windows.h>
#include <shlobj.h>

#include <new>

#include "base/file_api.h"
#include "base/unique_handle.h"
#include "base/wide_text.h"
#include "settings/settings_text.h"

namespace SASM {
namespace {

const wchar_t kSettingsSuffix[] = L"\\Quenrith\\Brenz\\vgc.cfg";

bool computeSettingsFilePath(std::string& path) {
  wchar_t folder[MAX_PATH] = L"";
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_SYSTEM, nullptr, 0, folder))) return false;
  // A truncated path would name another file, so a path that does not fit is no path.
  std::wstring full = folder;
  full += kSettingsSuffix;
  if (full.size() >= MAX_PATH) return false;
  return brenz::wideToUtf8(full, path);
}

// Keeps the bytes read so far when memory runs out, cut back to the last whole line.
std::string readAllBytes(HANDLE file) {
  std::string bytes;
  try {
    char chunk[16384];
    DWORD read = 0;
    while (brenz::fileApi().readFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
      bytes.append(chunk, read);
  } catch (const std::bad_alloc&) {
    const size_t lineEnd = bytes.find_last_of("\r\n");
    bytes.resize(lineEnd == std::string::npos ? 0 : lineEnd + 1);
  }
  return bytes;
}

std::wstring folderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

bool writeWhole(const std::wstring& path, const std::string& content) {
  brenz::UniqueFile file(brenz::fileApi().createFile(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                     TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                     nullptr));
  if (!file) return false;
  DWORD written = 0;
  if (!brenz::fileApi().writeFile(file.get(), content.data(), static_cast<DWORD>(content.size()),
                                  &written, nullptr) ||
      written != content.size())
    return false;
  if (!brenz::fileApi().flushFileBuffers(file.get())) return false;
  return ::CloseHandle(file.release()) != FALSE;
}

// The replaced file keeps its security descriptor; a first save moves the new file in.
bool putInPlace(const std::wstring& target, const std::wstring& replacement) {
  if (::GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES)
    return brenz::fileApi().moveFileEx(replacement.c_str(), target.c_str(),
                                       MOVEFILE_WRITE_THROUGH) != FALSE;
  return brenz::fileApi().replaceFile(target.c_str(), replacement.c_str(), nullptr,
                                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                      nullptr) != FALSE;
}

bool replaceFileContent(const std::wstring& target, const std::string& content) {
  wchar_t temporary[MAX_PATH];
  if (::GetTempFileNameW(folderOf(target).c_str(), L"vgc", 0, temporary) == 0) return false;
  if (writeWhole(temporary, content) && putInPlace(target, temporary)) return true;
  const DWORD lastError = ::GetLastError();
  brenz::fileApi().deleteFile(temporary);
  ::SetLastError(lastError);
  return false;
}

}  // namespace

const std::string& settingsFilePath() {
  static std::string kept;
  if (kept.empty()) computeSettingsFilePath(kept);
  return kept;
}

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {
  std::wstring widePath;
  if (path_.empty() || !brenz::utf8ToWide(path_, widePath)) return;
  brenz::UniqueFile file(brenz::fileApi().createFile(
      widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  parseSettingsText(readAllBytes(file.get()), table_);
}

bool SettingsFile::save() const {
  std::wstring widePath;
  if (path_.empty() || !brenz::utf8ToWide(path_, widePath)) return false;
  return replaceFileContent(widePath, formatSettingsText(table_));
}

}  // namespace SASM

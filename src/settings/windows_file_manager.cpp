#include "settings/windows_file_manager.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cwchar>
#include <limits>
#include <new>
#include <vector>

#include "base/unique_handle.h"
#include "base/wide_text.h"
#include "settings/folder_order.h"

namespace SASM {
namespace {

constexpr uint64_t kTicksPerSecond = 10'000'000;  // file times count 100 ns

// A path with a NUL inside would be cut there by the conversion and name a shorter path,
// such as a folder above the one meant.
bool toWidePath(const std::string& path, std::wstring& widePath) {
  return path.find('\0') == std::string::npos && brenz::utf8ToWide(path, widePath);
}

bool isDotEntry(const wchar_t* name) {
  return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0;
}

// A junction or folder link leads out of the tree (possibly back into it), so walks never
// enter one.
bool isLinkedFolder(const WIN32_FIND_DATAW& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
         (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

uint64_t ticksOf(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Bounds beyond the range of file times mean "no bound".
uint64_t secondsToTicks(uint64_t seconds) {
  const uint64_t most = std::numeric_limits<uint64_t>::max();
  return seconds > most / kTicksPerSecond ? most : seconds * kTicksPerSecond;
}

// Ages in 100 ns ticks, exclusive at both ends.
struct AgeWindow {
  uint64_t now;
  uint64_t lower;
  uint64_t upper;
};

bool isInWindow(const FILETIME& lastWrite, const AgeWindow& window) {
  const uint64_t written = ticksOf(lastWrite);
  // A file dated in the future has no age yet; counting it as ancient would delete it.
  if (written > window.now) return false;
  const uint64_t age = window.now - written;
  return age > window.lower && age < window.upper;
}

bool removeAgedEntries(const std::wstring& folder, const AgeWindow& window, bool& emptied);

// True when the entry is gone: an aged file deleted, or a folder emptied and removed.
bool removeAgedEntry(const std::wstring& path, const WIN32_FIND_DATAW& entry,
                     const AgeWindow& window) {
  if (isLinkedFolder(entry)) return false;
  if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    bool emptied = false;
    return removeAgedEntries(path, window, emptied) && emptied &&
           ::RemoveDirectoryW(path.c_str()) != FALSE;
  }
  return isInWindow(entry.ftLastWriteTime, window) && ::DeleteFileW(path.c_str()) != FALSE;
}

// Walks one folder; `emptied` tells whether every entry went. False when the walk cannot
// start or memory runs out.
bool removeAgedEntries(const std::wstring& folder, const AgeWindow& window, bool& emptied) {
  try {
    WIN32_FIND_DATAW entry;
    brenz::UniqueFind walk(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (!walk) return false;
    emptied = true;
    do {
      if (isDotEntry(entry.cFileName)) continue;
      if (!removeAgedEntry(folder + L'\\' + entry.cFileName, entry, window)) emptied = false;
    } while (::FindNextFileW(walk.get(), &entry));
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

uint64_t sizeOfPath(const std::wstring& path);

uint64_t sizeOfFile(const std::wstring& path) {
  brenz::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !::GetFileSizeEx(file.get(), &size)) return 0;
  return static_cast<uint64_t>(size.QuadPart);
}

// Running out of memory part-way makes the whole folder count as 0.
uint64_t sizeOfFolder(const std::wstring& folder) {
  try {
    WIN32_FIND_DATAW entry;
    brenz::UniqueFind walk(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (!walk) return 0;
    uint64_t total = 0;
    do {
      if (isDotEntry(entry.cFileName) || isLinkedFolder(entry)) continue;
      total += sizeOfPath(folder + L'\\' + entry.cFileName);
    } while (::FindNextFileW(walk.get(), &entry));
    return total;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

uint64_t sizeOfPath(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? sizeOfFolder(path) : sizeOfFile(path);
}

bool createOrFindFolder(const std::wstring& path) {
  return ::CreateDirectoryW(path.c_str(), nullptr) != FALSE ||
         ::GetLastError() == ERROR_ALREADY_EXISTS;
}

// Climbs towards the root until a folder exists or can be made, then creates the folders
// below it on the way back. A loop, not recursion: the number of levels is the caller's.
void makeFolderExist(const std::wstring& path) {
  std::vector<size_t> missing;  // lengths of the prefixes still to create, deepest first
  size_t length = path.size();
  while (!createOrFindFolder(path.substr(0, length))) {
    const size_t cut = length == 0 ? std::wstring::npos : path.rfind(L'\\', length - 1);
    if (cut == std::wstring::npos) break;
    missing.push_back(length);
    length = cut;
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it)
    createOrFindFolder(path.substr(0, *it));
}

// The roaming application-data folder followed by `suffix`; false when the folder cannot be
// had, the path would not fit in MAX_PATH (a truncated path would name another folder), or
// the conversion fails.
bool computeUserFolder(const wchar_t* suffix, std::string& path) {
  wchar_t folder[MAX_PATH] = L"";
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder))) return false;
  try {
    std::wstring full = folder;
    full += suffix;
    if (full.size() >= MAX_PATH) return false;
    return brenz::wideToUtf8(full, path);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

// Nothing is kept until a computation succeeds, so a later call tries again.
const std::string& keptUserFolder(std::string& kept, const wchar_t* suffix) {
  if (kept.empty()) computeUserFolder(suffix, kept);
  return kept;
}

}  // namespace

bool WindowsFileManager::deletePath(const std::string& path) {
  // The shell would take a wildcard as a pattern and delete every match.
  if (path.find_first_of("*?") != std::string::npos) return false;
  std::wstring from;
  if (!toWidePath(path, from)) return false;
  try {
    from.push_back(L'\0');  // the shell reads a list of paths ending in an empty one
  } catch (const std::bad_alloc&) {
    return false;
  }
  SHFILEOPSTRUCTW operation = {};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  // No FOF_ALLOWUNDO: the files are gone, not moved to the recycle bin.
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
  const int result = ::SHFileOperationW(&operation);
  // The shell reports an absent or invalid source as 2 (file not found), 124 (invalid files)
  // or 1026 (unknown error, in practice a bad path): nothing is left to delete.
  return result == 0 || result == 2 || result == 124 || result == 1026;
}

bool WindowsFileManager::removeAgedFiles(const std::string& folder, uint64_t lowerSeconds,
                                         uint64_t upperSeconds) {
  SYSTEMTIME systemTime;
  ::GetSystemTime(&systemTime);
  FILETIME now;
  if (!::SystemTimeToFileTime(&systemTime, &now)) return false;
  std::wstring wideFolder;
  if (!toWidePath(folder, wideFolder)) return false;
  const AgeWindow window = {ticksOf(now), secondsToTicks(lowerSeconds),
                            secondsToTicks(upperSeconds)};
  bool emptied = false;
  if (!removeAgedEntries(wideFolder, window, emptied)) return false;
  return !emptied || ::RemoveDirectoryW(wideFolder.c_str()) != FALSE;
}

uint64_t WindowsFileManager::sizeOf(const std::string& path) {
  std::wstring widePath;
  return toWidePath(path, widePath) ? sizeOfPath(widePath) : 0;
}

bool WindowsFileManager::createFolder(const std::string& parent, const std::string& name) {
  // An empty parent would put the folder in the root of the current drive.
  if (parent.empty()) return false;
  std::wstring wideParent;
  std::wstring wideName;
  if (!toWidePath(parent, wideParent) || !toWidePath(name, wideName)) return false;
  try {
    makeFolderExist(wideParent);
    return createOrFindFolder(wideParent + L'\\' + wideName);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

const std::string& WindowsFileManager::pathSeparator() {
  static const std::string separator = "\\";
  return separator;
}

const std::string& WindowsFileManager::assetCacheFolder() {
  static std::string kept;
  return keptUserFolder(kept, L"\\Kelvo\\Brenz Player\\AssetCache");
}

const std::string& WindowsFileManager::legacyPlayerFolder() {
  static std::string kept;
  return keptUserFolder(kept, L"\\Tallowvine\\Brenz Player");
}

const std::string& WindowsFileManager::privateDataFolder() {
  static std::string kept;
  return keptUserFolder(kept, L"\\Kelvo\\Brenz Player\\KPSPrivateData2");
}

std::unique_ptr<StringVector> WindowsFileManager::listFolder(const std::string& folder) {
  try {
    auto names = std::make_unique<StringVector>();
    std::wstring pattern;
    if (!toWidePath(folder, pattern)) return nullptr;
    pattern += L"\\*";
    WIN32_FIND_DATAW entry;
    brenz::UniqueFind walk(::FindFirstFileW(pattern.c_str(), &entry));
    // By name, not by position: a drive's root has no "." and ".." entries.
    for (bool more = static_cast<bool>(walk); more;
         more = ::FindNextFileW(walk.get(), &entry) != FALSE) {
      if (isDotEntry(entry.cFileName)) continue;
      std::string name;
      if (!brenz::wideToUtf8(entry.cFileName, name)) {
        if (::GetLastError() == ERROR_NOT_ENOUGH_MEMORY) return nullptr;
        continue;  // a name that cannot be converted is left out
      }
      if (!names->append(name)) return nullptr;
    }
    walk.reset();
    sortFolderNames(*names);
    return names;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace SASM

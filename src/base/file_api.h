#pragma once
// File-system calls made through the platform seam (see platform_api.h).
#include <windows.h>

#include "base/platform_api.h"

namespace brenz {

struct FileApi {
  decltype(&::CreateFileW) createFile = ::CreateFileW;
  decltype(&::ReadFile) readFile = ::ReadFile;
  decltype(&::WriteFile) writeFile = ::WriteFile;
  decltype(&::FlushFileBuffers) flushFileBuffers = ::FlushFileBuffers;
  decltype(&::ReplaceFileW) replaceFile = ::ReplaceFileW;
  decltype(&::MoveFileExW) moveFileEx = ::MoveFileExW;
  decltype(&::DeleteFileW) deleteFile = ::DeleteFileW;
};

inline FileApi& fileApi() { return platformApi<FileApi>(); }

}  // namespace brenz

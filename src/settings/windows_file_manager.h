#pragma once
// FileManager over the Windows file and shell functions.
#include "settings/file_manager.h"

namespace SASM {

class WindowsFileManager : public FileManager {
 public:
  bool deletePath(const std::string& path) override;
  bool removeAgedFiles(const std::string& folder, uint64_t lowerSeconds,
                       uint64_t upperSeconds) override;
  uint64_t sizeOf(const std::string& path) override;
  bool createFolder(const std::string& parent, const std::string& name) override;
  const std::string& pathSeparator() override;
  const std::string& assetCacheFolder() override;
  const std::string& legacyPlayerFolder() override;
  const std::string& privateDataFolder() override;
  std::unique_ptr<StringVector> listFolder(const std::string& folder) override;
};

}  // namespace SASM

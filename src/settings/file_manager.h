#pragma once
// The settings layer's view of the file system. Paths in and out are UTF-8 narrow strings;
// no operation logs anything.
#include <cstdint>
#include <memory>
#include <string>

#include "settings/string_vector.h"

namespace SASM {

class FileManager {
 public:
  virtual ~FileManager() = default;

  // Deletes a file or a whole folder tree for good (not to the recycle bin). True also when
  // the path is absent; false for a path that cannot be converted or holds a wildcard.
  virtual bool deletePath(const std::string& path) = 0;
  // Deletes, through the whole tree under `folder`, the files last written more than
  // `lowerSeconds` and less than `upperSeconds` ago, and every folder this empties, `folder`
  // included. Links to other folders are neither followed nor removed. False when the walk
  // cannot start or `folder`, once emptied, cannot be removed.
  virtual bool removeAgedFiles(const std::string& folder, uint64_t lowerSeconds,
                               uint64_t upperSeconds) = 0;
  // Bytes in a file, or in all files of a folder tree (links to other folders not counted);
  // 0 for a missing path.
  virtual uint64_t sizeOf(const std::string& path) = 0;
  // Creates `parent`\`name`, creating the missing folders of `parent` first. True when the
  // folder exists afterwards.
  virtual bool createFolder(const std::string& parent, const std::string& name) = 0;
  // "\".
  virtual const std::string& pathSeparator() = 0;
  // The product's folders in the current user's roaming application data, computed once.
  // Empty when that folder cannot be had or the path would not fit in MAX_PATH.
  virtual const std::string& assetCacheFolder() = 0;
  virtual const std::string& legacyPlayerFolder() = 0;
  virtual const std::string& privateDataFolder() = 0;
  // Names of the folder's entries, sorted by compareFolderNames; empty when the folder cannot
  // be read. Null when the folder name cannot be converted or memory runs out.
  virtual std::unique_ptr<StringVector> listFolder(const std::string& folder) = 0;
};

}  // namespace SASM

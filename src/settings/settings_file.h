#pragma once
// The administrator settings file "\Quenrith\Brenz\vgc.cfg" in the system folder.
#include <string>

#include "settings/string_map.h"

namespace SASM {

// UTF-8 path of the settings file, computed on first success and kept for the process.
// Empty when the system folder cannot be had or the path does not fit: then no settings
// are read and none are written.
const std::string& settingsFilePath();

class SettingsFile {
 public:
  // Reads the file; a file that cannot be read gives an empty table. Throws std::bad_alloc
  // only when memory runs out outside the reading of the bytes.
  explicit SettingsFile(std::string path);

  std::string lookup(const std::string& key) const { return table_.lookup(key); }
  void set(const std::string& key, const std::string& value) { table_.set(key, value); }

  // Replaces the file with the table's content through a temporary file in the same folder,
  // so a failure at any point leaves the former file as it was. False on any failure.
  bool save() const;

 private:
  std::string path_;
  StringMap table_;
};

}  // namespace SASM

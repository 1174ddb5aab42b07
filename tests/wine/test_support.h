#pragma once
// Helpers of the Windows-layer tests: scratch folders and whole-file reads and writes.
#include <windows.h>

#include <string>

namespace testing_support {

// A fresh folder under the temporary folder, made the current folder for the test's
// lifetime and removed with everything in it afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::wstring& path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
  std::wstring previous_;
};

// Whole-file contents as bytes; empty when the file cannot be read.
std::string readBytes(const std::wstring& path);
bool writeBytes(const std::wstring& path, const std::string& bytes);
bool fileExists(const std::wstring& path);
// Creates the folder and its missing parents.
void createFolders(const std::wstring& path);
// Removes a folder tree or a file; nothing when it does not exist.
void removeTree(const std::wstring& path);
// Names of the entries of a folder other than "." and "..".
std::wstring listNames(const std::wstring& folder);

}  // namespace testing_support

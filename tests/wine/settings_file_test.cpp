#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

#include "base/file_api.h"
#include "base/wide_text.h"
#include "test_support.h"

using testing_support::ScratchFolder;

namespace {

std::string utf8(const std::wstring& path) {
  std::string narrow;
  EXPECT_TRUE(brenz::wideToUtf8(path, narrow));
  return narrow;
}

class SettingsFileTest : public testing::Test {
 protected:
  // A folder name outside ASCII: the UTF-8 path must reach the file system intact.
  void SetUp() override { testing_support::createFolders(folder_); }
  ScratchFolder scratch_;
  const std::wstring folder_ = scratch_ / L"r\u00e9glages";
  const std::wstring file_ = folder_ + L"\\vgc.cfg";
};

TEST_F(SettingsFileTest, ReadsTheFileAtItsPath) {
  ASSERT_TRUE(testing_support::writeBytes(file_, "\xEF\xBB\xBF" "a=1\r\n# note\r\nb = two \r\n"));
  const SASM::SettingsFile settings(utf8(file_));
  EXPECT_EQ(settings.lookup("a"), "1");
  EXPECT_EQ(settings.lookup("b"), "two");
  EXPECT_EQ(settings.lookup("# note"), "");
}

TEST_F(SettingsFileTest, MissingFileOrEmptyPathGivesEmptyTable) {
  EXPECT_EQ(SASM::SettingsFile(utf8(file_)).lookup("a"), "");
  EXPECT_EQ(SASM::SettingsFile("").lookup("a"), "");
  EXPECT_FALSE(SASM::SettingsFile("").save());
}

TEST_F(SettingsFileTest, SaveReplacesTheFileWithTheTableInTableOrder) {
  ASSERT_TRUE(testing_support::writeBytes(
      file_, "\xEF\xBB\xBF# comment\r\nSilentAutoUpdateEnable=1\r\nnonsense\r\nab=x\r\n"));
  SASM::SettingsFile settings(utf8(file_));
  settings.set("AutoUpdateDisable", "0");
  settings.set("ba", "y");
  ASSERT_TRUE(settings.save());
  EXPECT_EQ(testing_support::readBytes(file_),
            "AutoUpdateDisable=0\r\nSilentAutoUpdateEnable=1\r\nba=y\r\nab=x\r\n");
  // Nothing else is left in the folder.
  EXPECT_EQ(testing_support::listNames(folder_), L"vgc.cfg");
}

TEST_F(SettingsFileTest, SaveCreatesAMissingFileButNeverTheFolder) {
  SASM::SettingsFile fresh(utf8(file_));
  fresh.set("k", "v");
  ASSERT_TRUE(fresh.save());
  EXPECT_EQ(testing_support::readBytes(file_), "k=v\r\n");

  const std::wstring elsewhere = scratch_ / L"missing\\vgc.cfg";
  SASM::SettingsFile nowhere(utf8(elsewhere));
  nowhere.set("k", "v");
  EXPECT_FALSE(nowhere.save());
  EXPECT_FALSE(testing_support::fileExists(scratch_ / L"missing"));
}

BOOL WINAPI failingWrite(HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED) {
  *written = 0;
  ::SetLastError(ERROR_DISK_FULL);
  return FALSE;
}
BOOL WINAPI shortWrite(HANDLE file, LPCVOID bytes, DWORD size, LPDWORD written,
                       LPOVERLAPPED overlapped) {
  return ::WriteFile(file, bytes, size / 2, written, overlapped);
}
BOOL WINAPI failingFlush(HANDLE) {
  ::SetLastError(ERROR_DISK_FULL);
  return FALSE;
}
BOOL WINAPI failingReplace(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPVOID, LPVOID) {
  ::SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
  return FALSE;
}
BOOL WINAPI failingMove(LPCWSTR, LPCWSTR, DWORD) {
  ::SetLastError(ERROR_ACCESS_DENIED);
  return FALSE;
}

TEST_F(SettingsFileTest, FailedSaveLeavesTheFormerFileUntouched) {
  const struct {
    const char* name;
    void (*inject)(brenz::FileApi&);
  } cases[] = {
      {"write fails", [](brenz::FileApi& api) { api.writeFile = failingWrite; }},
      {"write is short", [](brenz::FileApi& api) { api.writeFile = shortWrite; }},
      {"flush fails", [](brenz::FileApi& api) { api.flushFileBuffers = failingFlush; }},
      {"replace fails", [](brenz::FileApi& api) { api.replaceFile = failingReplace; }},
  };
  const std::string former = "SilentAutoUpdateEnable=1\r\nSilentAutoUpdateServerDomain=h\r\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(testing_support::writeBytes(file_, former));
    SASM::SettingsFile settings(utf8(file_));
    settings.set("SilentAutoUpdateEnable", "0");
    {
      brenz::ScopedApiOverride<brenz::FileApi> files;
      c.inject(brenz::fileApi());
      EXPECT_FALSE(settings.save());
    }
    EXPECT_EQ(testing_support::readBytes(file_), former);
    EXPECT_EQ(testing_support::listNames(folder_), L"vgc.cfg");
  }
}

TEST_F(SettingsFileTest, FailedFirstSaveLeavesNoFile) {
  SASM::SettingsFile settings(utf8(file_));
  settings.set("k", "v");
  {
    brenz::ScopedApiOverride<brenz::FileApi> files;
    files->moveFileEx = failingMove;
    EXPECT_FALSE(settings.save());
  }
  EXPECT_EQ(testing_support::listNames(folder_), L"");
}

TEST(SettingsFilePath, IsInTheSystemFolderAndKept) {
  wchar_t system[MAX_PATH];
  ASSERT_EQ(::SHGetFolderPathW(nullptr, CSIDL_SYSTEM, nullptr, 0, system), S_OK);
  const std::string& path = SASM::settingsFilePath();
  EXPECT_EQ(path, utf8(std::wstring(system) + L"\\Quenrith\\Brenz\\vgc.cfg"));
  EXPECT_EQ(&SASM::settingsFilePath(), &path);
}

}  // namespace

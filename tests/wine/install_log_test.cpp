#include "log/install_log.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <regex>
#include <string>

#include "base/file_api.h"
#include "test_support.h"

using testing_support::ScratchFolder;

namespace {

const wchar_t kLogFolder[] = L"Quenrith\\Brenz";

std::wstring fromUtf16Le(const std::string& bytes) {
  std::wstring text;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                        static_cast<unsigned char>(bytes[i + 1]) << 8));
  return text;
}

HANDLE WINAPI failingCreateFile(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD,
                                HANDLE) {
  ::SetLastError(ERROR_SHARING_VIOLATION);
  return INVALID_HANDLE_VALUE;
}

class InstallLogTest : public testing::Test {
 protected:
  void SetUp() override {
    verboseLogging = false;
    testing_support::createFolders(scratch_ / kLogFolder);
  }
  void TearDown() override { verboseLogging = false; }
  std::string logBytes() const { return testing_support::readBytes(scratch_ / kInstallLogPath); }

  ScratchFolder scratch_;
};

TEST_F(InstallLogTest, ErrorRecordIsUtf16LeWithUnpaddedUtcTimeAndCrLf) {
  SYSTEMTIME before;
  ::GetSystemTime(&before);
  logMessage(LogLevel::Error, L"1219 5");
  const std::string bytes = logBytes();

  ASSERT_FALSE(bytes.empty());
  ASSERT_EQ(bytes.size() % 2, 0u);
  // No byte-order mark: the first code unit is the year's first digit.
  EXPECT_EQ(bytes[0], static_cast<char>('0' + before.wYear / 1000));
  EXPECT_EQ(bytes[1], '\0');
  const std::wstring record = fromUtf16Le(bytes);
  const std::wregex shape(
      L"(\\d{4})-([1-9]\\d?)-([1-9]\\d?)\\+(0|[1-9]\\d?)-(0|[1-9]\\d?)-(0|[1-9]\\d?)\\."
      L"(0|[1-9]\\d{0,2}) \\[error\\] 1219 5\r\n");
  std::wsmatch fields;
  ASSERT_TRUE(std::regex_match(record, fields, shape)) << std::string(record.begin(), record.end());
  EXPECT_EQ(std::stoi(fields[1].str()), before.wYear);
  EXPECT_EQ(std::stoi(fields[2].str()), before.wMonth);
}

TEST_F(InstallLogTest, LevelGateFollowsVerboseLogging) {
  logMessage(LogLevel::Info, L"1617");
  logMessage(LogLevel::Warning, L"1408");
  EXPECT_FALSE(testing_support::fileExists(scratch_ / kInstallLogPath));

  verboseLogging = true;
  logMessage(LogLevel::Info, L"1617");
  logMessage(LogLevel::Warning, L"1408");
  const std::wstring text = fromUtf16Le(logBytes());
  EXPECT_NE(text.find(L" [info] 1617\r\n"), std::wstring::npos);
  EXPECT_NE(text.find(L" [warning] 1408\r\n"), std::wstring::npos);
}

TEST_F(InstallLogTest, AppendsToExistingContentAndKeepsMessageUnchanged) {
  ASSERT_TRUE(testing_support::writeBytes(scratch_ / kInstallLogPath, "older data"));
  logMessage(LogLevel::Error, L"a [b]\r\nc \u00e9\u4e2d");
  logMessage(LogLevel::Error, L"1239 8");
  const std::string bytes = logBytes();
  ASSERT_EQ(bytes.compare(0, 10, "older data"), 0);
  const std::wstring text = fromUtf16Le(bytes.substr(10));
  EXPECT_NE(text.find(L"] a [b]\r\nc \u00e9\u4e2d\r\n"), std::wstring::npos);
  EXPECT_EQ(text.substr(text.size() - 10), L"] 1239 8\r\n");
}

TEST_F(InstallLogTest, MissingFolderLosesRecordUntilTheFolderExists) {
  testing_support::removeTree(scratch_ / L"Quenrith");
  logMessage(LogLevel::Error, L"1233 8");
  EXPECT_FALSE(testing_support::fileExists(scratch_ / L"Quenrith"));

  testing_support::createFolders(scratch_ / kLogFolder);
  logMessage(LogLevel::Error, L"1234 5");
  const std::wstring text = fromUtf16Le(logBytes());
  EXPECT_EQ(text.find(L"1233"), std::wstring::npos);
  EXPECT_NE(text.find(L"] 1234 5\r\n"), std::wstring::npos);
}

TEST_F(InstallLogTest, FileStaysOpenToOtherReadersAndWriters) {
  // Another program holding the log open for reading and writing does not stop a record.
  HANDLE other = ::CreateFileW((scratch_ / kInstallLogPath).c_str(), GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  logMessage(LogLevel::Error, L"1300 2");
  ::CloseHandle(other);
  EXPECT_NE(fromUtf16Le(logBytes()).find(L"] 1300 2\r\n"), std::wstring::npos);
}

TEST_F(InstallLogTest, KeepsTheCallersLastError) {
  ::SetLastError(ERROR_ACCESS_DENIED);
  logMessage(LogLevel::Error, L"1219 5");
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

  // A failed open of the log file does not change it either.
  brenz::ScopedApiOverride<brenz::FileApi> files;
  files->createFile = failingCreateFile;
  ::SetLastError(ERROR_FILE_NOT_FOUND);
  logMessage(LogLevel::Error, L"1219 2");
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace

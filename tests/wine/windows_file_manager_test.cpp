#include "settings/windows_file_manager.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "base/unique_handle.h"

namespace fs = std::filesystem;

namespace {

constexpr uint64_t kNoUpperBound = 100ull * 365 * 24 * 3600;  // a century, in seconds
constexpr int64_t kTicksPerSecond = 10'000'000;

// Each test works in a fresh folder of its own under the temporary folder.
class WindowsFileManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temporary[MAX_PATH];
    ASSERT_NE(::GetTempPathW(MAX_PATH, temporary), 0u);
    static int serial = 0;
    root_ = fs::path(temporary) / ("file-manager-" + std::to_string(::GetCurrentProcessId()) +
                                   "-" + std::to_string(++serial));
    fs::remove_all(root_);
    ASSERT_TRUE(fs::create_directories(root_));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // The UTF-8 path of `relative` inside the scratch folder, as the file manager takes it.
  std::string path(const std::string& relative) const {
    return (root_ / fs::u8path(relative)).make_preferred().u8string();
  }
  bool exists(const std::string& relative) const {
    return fs::exists(root_ / fs::u8path(relative));
  }
  void makeFolder(const std::string& relative) const {
    fs::create_directories(root_ / fs::u8path(relative));
  }
  // A file of `size` bytes, last written `ageSeconds` ago (negative: in the future).
  void makeFile(const std::string& relative, size_t size = 1, int64_t ageSeconds = 3600) const {
    const fs::path file = root_ / fs::u8path(relative);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << std::string(size, 'x');
    brenz::UniqueFile handle(::CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(handle);
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks = {{now.dwLowDateTime, now.dwHighDateTime}};
    ticks.QuadPart -= static_cast<uint64_t>(ageSeconds * kTicksPerSecond);
    const FILETIME lastWrite = {ticks.LowPart, ticks.HighPart};
    ASSERT_TRUE(::SetFileTime(handle.get(), nullptr, nullptr, &lastWrite));
  }
  // A folder link; false where the file system or the rights do not allow one (Wine 8
  // reports success without making the link, hence the check of the result).
  bool makeFolderLink(const std::string& link, const std::string& target) const {
    if (!::CreateSymbolicLinkW((root_ / link).c_str(), (root_ / target).c_str(),
                               SYMBOLIC_LINK_FLAG_DIRECTORY))
      return false;
    const DWORD attributes = ::GetFileAttributesW((root_ / link).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  }

  fs::path root_;
  SASM::WindowsFileManager files_;
};

TEST_F(WindowsFileManagerTest, DeletePathOfMissingPathSucceeds) {
  EXPECT_TRUE(files_.deletePath(path("absent")));
  EXPECT_TRUE(files_.deletePath(path("absent\\deeper\\file.txt")));
}

TEST_F(WindowsFileManagerTest, DeletePathRemovesWholeTree) {
  makeFile("tree\\a.txt");
  makeFile("tree\\sub\\deeper\\b.txt");
  makeFolder("tree\\empty");
  makeFile("kept.txt");
  EXPECT_TRUE(files_.deletePath(path("tree")));
  EXPECT_FALSE(exists("tree"));
  EXPECT_TRUE(exists("kept.txt"));
}

TEST_F(WindowsFileManagerTest, DeletePathRefusesWildcards) {
  makeFile("a.txt");
  EXPECT_FALSE(files_.deletePath(path("*")));
  EXPECT_FALSE(files_.deletePath(path("?.txt")));
  EXPECT_TRUE(exists("a.txt"));
}

TEST_F(WindowsFileManagerTest, RemoveAgedFilesDeletesOnlyFilesInsideTheWindow) {
  struct Case {
    const char* name;
    int64_t ageSeconds;
    uint64_t lower;
    uint64_t upper;
    bool deleted;
  } const cases[] = {
      {"inside", 7200, 0, kNoUpperBound, true},
      {"younger than the lower bound", 7200, 3 * 3600, kNoUpperBound, false},
      {"older than the upper bound", 7200, 0, 3600, false},
      // Read as an unsigned difference its age would be enormous, inside any open window.
      {"dated in the future", -3600, 0, std::numeric_limits<uint64_t>::max(), false},
      // The smallest bound whose count of 100 ns ticks no longer fits in 64 bits.
      {"bound beyond the range of file times", 7200, 0,
       std::numeric_limits<uint64_t>::max() / 10'000'000 + 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string folder = std::string("case-") + c.name;
    makeFile(folder + "\\file.txt", 1, c.ageSeconds);
    EXPECT_TRUE(files_.removeAgedFiles(path(folder), c.lower, c.upper));
    EXPECT_EQ(exists(folder + "\\file.txt"), !c.deleted);
    // The folder goes exactly when its only file went.
    EXPECT_EQ(exists(folder), !c.deleted);
  }
}

TEST_F(WindowsFileManagerTest, RemoveAgedFilesEmptiesTreeAndRemovesFolder) {
  makeFile("cache\\a.txt");
  makeFile("cache\\one\\two\\three\\b.txt");
  makeFile("cache\\one\\c.txt");
  makeFolder("cache\\empty");
  EXPECT_TRUE(files_.removeAgedFiles(path("cache"), 0, kNoUpperBound));
  EXPECT_FALSE(exists("cache"));
}

TEST_F(WindowsFileManagerTest, RemoveAgedFilesKeepsYoungFileAndEveryFolderAboveIt) {
  makeFile("cache\\one\\two\\young.txt", 1, 0);
  makeFile("cache\\one\\old.txt");
  makeFile("cache\\other\\old.txt");
  EXPECT_TRUE(files_.removeAgedFiles(path("cache"), 60, kNoUpperBound));
  EXPECT_TRUE(exists("cache\\one\\two\\young.txt"));
  EXPECT_FALSE(exists("cache\\one\\old.txt"));
  EXPECT_FALSE(exists("cache\\other"));
}

TEST_F(WindowsFileManagerTest, RemoveAgedFilesOfMissingFolderFails) {
  EXPECT_FALSE(files_.removeAgedFiles(path("absent"), 0, kNoUpperBound));
}

TEST_F(WindowsFileManagerTest, WalksDoNotFollowFolderLinks) {
  makeFile("outside\\precious.txt", 5);
  makeFile("cache\\old.txt", 3);
  if (!makeFolderLink("cache\\link", "outside")) GTEST_SKIP() << "no folder links here";
  EXPECT_EQ(files_.sizeOf(path("cache")), 3u);
  EXPECT_TRUE(files_.removeAgedFiles(path("cache"), 0, kNoUpperBound));
  EXPECT_TRUE(exists("outside\\precious.txt"));
  EXPECT_FALSE(exists("cache\\old.txt"));
  EXPECT_TRUE(exists("cache"));
}

TEST_F(WindowsFileManagerTest, SizeOfSumsFilesOfTree) {
  makeFile("tree\\a.txt", 3);
  makeFile("tree\\sub\\b.txt", 5);
  makeFile("tree\\sub\\deeper\\\xc3\xa9.txt", 7);
  makeFolder("tree\\empty");
  struct Case {
    const char* relative;
    uint64_t size;
  } const cases[] = {
      {"absent", 0},
      {"tree\\a.txt", 3},
      {"tree\\empty", 0},
      {"tree\\sub", 12},
      {"tree", 15},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.relative);
    EXPECT_EQ(files_.sizeOf(path(c.relative)), c.size);
  }
}

TEST_F(WindowsFileManagerTest, CreateFolderCreatesMissingParentsFirst) {
  makeFolder("base");
  EXPECT_TRUE(files_.createFolder(path("base\\one\\two\\three"), "new"));
  EXPECT_TRUE(fs::is_directory(root_ / "base\\one\\two\\three\\new"));
  // Creating it again finds it there.
  EXPECT_TRUE(files_.createFolder(path("base\\one\\two\\three"), "new"));
}

TEST_F(WindowsFileManagerTest, CreateFolderUnderFileFails) {
  makeFile("file.txt");
  EXPECT_FALSE(files_.createFolder(path("file.txt"), "new"));
  EXPECT_FALSE(files_.createFolder("", "new"));
}

TEST_F(WindowsFileManagerTest, ListFolderSortsTextBeforeNumbers) {
  makeFolder("list\\b");
  makeFile("list\\10");
  makeFile("list\\a");
  makeFolder("list\\9");
  makeFile("list\\\xc3\xa9");
  const auto names = files_.listFolder(path("list"));
  ASSERT_NE(names, nullptr);
  std::vector<std::string> listed;
  for (size_t i = 0; i < names->size(); ++i) listed.push_back(names->at(i));
  EXPECT_EQ(listed, (std::vector<std::string>{"a", "b", "\xc3\xa9", "9", "10"}));
}

TEST_F(WindowsFileManagerTest, ListFolderOfMissingFolderIsEmpty) {
  const auto names = files_.listFolder(path("absent"));
  ASSERT_NE(names, nullptr);
  EXPECT_EQ(names->size(), 0u);
}

TEST(WindowsFileManagerFolders, NameProductFoldersInRoamingAppData) {
  using Folder = const std::string& (SASM::WindowsFileManager::*)();
  struct Case {
    const char* name;
    Folder folder;
    std::string suffix;
  } const cases[] = {
      {"asset cache", &SASM::WindowsFileManager::assetCacheFolder,
       "\\Kelvo\\Brenz Player\\AssetCache"},
      {"legacy player", &SASM::WindowsFileManager::legacyPlayerFolder,
       "\\Tallowvine\\Brenz Player"},
      {"private data", &SASM::WindowsFileManager::privateDataFolder,
       "\\Kelvo\\Brenz Player\\KPSPrivateData2"},
  };
  SASM::WindowsFileManager files;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string& folder = (files.*c.folder)();
    ASSERT_GT(folder.size(), c.suffix.size());
    EXPECT_EQ(folder.substr(folder.size() - c.suffix.size()), c.suffix);
    const std::string appData = folder.substr(0, folder.size() - c.suffix.size());
    EXPECT_TRUE(fs::is_directory(fs::u8path(appData))) << appData;
    EXPECT_EQ(fs::u8path(appData).filename(), "Roaming");
    // Kept: every call returns the same text.
    EXPECT_EQ(&(files.*c.folder)(), &folder);
  }
  EXPECT_EQ(files.pathSeparator(), "\\");
}

}  // namespace

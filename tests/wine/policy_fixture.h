#pragma once
// A settings file in the real system folder of the Wine prefix, and the log under a scratch
// current folder; the process-wide policy and log switch start at their defaults.
#include <gtest/gtest.h>

#include <string>

#include "base/wide_text.h"
#include "log/install_log.h"
#include "settings/settings_file.h"
#include "settings/update_policy.h"
#include "test_support.h"

class PolicyFixture : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(brenz::utf8ToWide(SASM::settingsFilePath(), settingsFile_));
    settingsFolder_ = settingsFile_.substr(0, settingsFile_.rfind(L'\\'));
    testing_support::createFolders(settingsFolder_);
    testing_support::removeTree(settingsFile_);
    testing_support::createFolders(scratch_ / L"Quenrith\\Brenz");
    resetProcessState();
  }
  void TearDown() override {
    testing_support::removeTree(settingsFile_);
    resetProcessState();
  }
  static void resetProcessState() {
    verboseLogging = false;
    updatePolicy = UpdatePolicy{false, false, kBuiltInManifestHost, kBuiltInPackageHost};
  }
  void writeSettings(const std::string& bytes) {
    ASSERT_TRUE(testing_support::writeBytes(settingsFile_, bytes));
  }
  std::string settingsBytes() const { return testing_support::readBytes(settingsFile_); }
  // The log as narrow text (the records are ASCII apart from host names).
  std::string logText() const {
    const std::string bytes = testing_support::readBytes(scratch_ / kInstallLogPath);
    std::string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) text.push_back(bytes[i]);
    return text;
  }

  testing_support::ScratchFolder scratch_;
  std::wstring settingsFile_;
  std::wstring settingsFolder_;
};

#include "settings/update_policy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "policy_fixture.h"

using namespace std::string_literals;

namespace {

using UpdatePolicyTest = PolicyFixture;

TEST_F(UpdatePolicyTest, ReadUpdatePolicyFillsThePolicy) {
  const struct {
    const char* name;
    bool present;  // whether there is a settings file
    std::string file;
    bool disabled, silent, verbose;
    const wchar_t* host;  // nullptr: the built-in hosts
    std::vector<const char*> records;
  } cases[] = {
      {"no file", false, "", false, false, false, nullptr, {}},
      {"verbose with a server domain", true,
       "SilentAutoUpdateEnable=yes\r\nAutoUpdateDisable=1\r\nSilentAutoUpdateVerboseLogging=1\r\n"
       "SilentAutoUpdateServerDomain=mirror.example\r\n",
       true, true, true, L"mirror.example",
       {"[info] 1628 mirror.example\r\n", "[info] 1629 mirror.example\r\n", "[info] 1613\r\n",
        "[info] 1615\r\n"}},
      {"verbose, switches off", true, "SilentAutoUpdateVerboseLogging=TRUE\r\nAutoUpdateDisable=0\r\n",
       false, false, true, nullptr, {"[info] 1614\r\n", "[info] 1616\r\n"}},
      {"'on' is not true, empty domain ignored", true,
       "SilentAutoUpdateEnable=on\r\nSilentAutoUpdateVerboseLogging=0\r\n"
       "SilentAutoUpdateServerDomain=\r\n",
       false, false, false, nullptr, {}},
      {"domain outside ASCII", true, "SilentAutoUpdateServerDomain=h\xC3\xB4te.example\r\n", false,
       false, false, L"h\u00f4te.example", {}},
      {"UTF-16 file is not read", true, "\xFF\xFEk\0=\0\x31\0\r\0\n\0"s, false, false, false, nullptr, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    resetProcessState();
    testing_support::removeTree(settingsFile_);
    testing_support::removeTree(scratch_ / kInstallLogPath);
    if (c.present) writeSettings(c.file);

    EXPECT_TRUE(readUpdatePolicy());
    EXPECT_EQ(updatePolicy.autoUpdateDisabled, c.disabled);
    EXPECT_EQ(updatePolicy.silentAutoUpdateEnabled, c.silent);
    EXPECT_EQ(verboseLogging, c.verbose);
    EXPECT_EQ(updatePolicy.manifestHost, c.host ? c.host : kBuiltInManifestHost);
    EXPECT_EQ(updatePolicy.packageHost, c.host ? c.host : kBuiltInPackageHost);
    const std::string log = logText();
    for (const char* record : c.records) {
      EXPECT_NE(log.find(record), std::string::npos) << record;
    }
    if (c.records.empty()) {
      EXPECT_EQ(log, "");
    }
  }
}

TEST(BuiltInHosts, AreDistinctPlainHostNames) {
  EXPECT_NE(std::wstring(kBuiltInManifestHost), kBuiltInPackageHost);
  for (const std::wstring host : {kBuiltInManifestHost, kBuiltInPackageHost}) {
    SCOPED_TRACE(std::string(host.begin(), host.end()));
    EXPECT_FALSE(host.empty());
    EXPECT_EQ(host.find_first_of(L":/ "), std::wstring::npos);
  }
}

TEST_F(UpdatePolicyTest, SetUpdateModeWritesBothSwitches) {
  const struct {
    UpdateMode mode;
    const char* file;
  } cases[] = {
      {UpdateMode::Silent, "AutoUpdateDisable=0\r\nSilentAutoUpdateEnable=1\r\n"},
      {UpdateMode::Notify, "AutoUpdateDisable=0\r\nSilentAutoUpdateEnable=0\r\n"},
      {UpdateMode::Disabled, "AutoUpdateDisable=1\r\nSilentAutoUpdateEnable=0\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    testing_support::removeTree(settingsFile_);
    EXPECT_TRUE(setUpdateMode(c.mode));
    EXPECT_EQ(settingsBytes(), c.file);
  }
}

TEST_F(UpdatePolicyTest, SetUpdateModeKeepsOtherKeysAndDropsComments) {
  writeSettings(
      "SilentAutoUpdateServerDomain=mirror.example\r\n# managed by IT\r\nSilentAutoUpdateEnable=1\r\n");
  EXPECT_TRUE(setUpdateMode(UpdateMode::Notify));
  EXPECT_EQ(settingsBytes(),
            "AutoUpdateDisable=0\r\nSilentAutoUpdateEnable=0\r\n"
            "SilentAutoUpdateServerDomain=mirror.example\r\n");
}

TEST_F(UpdatePolicyTest, SetUpdateModeRefusesUnknownModeAndMissingFolder) {
  writeSettings("SilentAutoUpdateEnable=1\n");
  EXPECT_FALSE(setUpdateMode(static_cast<UpdateMode>(3)));
  EXPECT_EQ(settingsBytes(), "SilentAutoUpdateEnable=1\n");

  testing_support::removeTree(settingsFolder_);
  EXPECT_FALSE(setUpdateMode(UpdateMode::Silent));
  EXPECT_FALSE(testing_support::fileExists(settingsFolder_));
  // No record is written for a failed save.
  EXPECT_EQ(logText(), "");
}

TEST_F(UpdatePolicyTest, SilentUpdatingEnabledReadsOnlyItsOwnSwitch) {
  const struct {
    const char* file;
    bool enabled;
  } cases[] = {
      {"SilentAutoUpdateEnable=1\r\nAutoUpdateDisable=1\r\n", true},
      {"SilentAutoUpdateEnable=Yes\r\n", true},
      {"SilentAutoUpdateEnable=0\r\n", false},
      {"silentautoupdateenable=1\r\n", false},
      {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    writeSettings(c.file);
    EXPECT_EQ(isSilentAutoUpdateEnabled(), c.enabled);
  }
  // Its record is informational, so it reaches the log only when verbose logging is on.
  verboseLogging = true;
  writeSettings("SilentAutoUpdateEnable=1\r\n");
  EXPECT_TRUE(isSilentAutoUpdateEnabled());
  EXPECT_NE(logText().find("[info] 1607\r\n"), std::string::npos);
}

}  // namespace

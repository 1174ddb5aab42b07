#include "entry/entry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "policy_fixture.h"
#include "update/run_context.h"

namespace {

int run(std::initializer_list<const wchar_t*> arguments) {
  std::vector<std::wstring> texts{L"BrenzPlayerUpdateService.exe"};
  texts.insert(texts.end(), arguments.begin(), arguments.end());
  std::vector<wchar_t*> argv;
  for (std::wstring& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  return runEntry(static_cast<int>(texts.size()), argv.data());
}

using EntryTest = PolicyFixture;

TEST_F(EntryTest, IsSauEnabledAnswersThroughTheExitCode) {
  EXPECT_EQ(run({L"-isSAUEnabled"}), 0);
  EXPECT_EQ(run({L"-setSilentAutoUpdate"}), 0);
  EXPECT_EQ(run({L"-isSAUEnabled"}), kSilentUpdateEnabledExitCode);
  EXPECT_EQ(run({L"-setNotifyAutoUpdate"}), 0);
  EXPECT_EQ(run({L"-isSAUEnabled"}), 0);
  // "AutoUpdateDisable" plays no part in the answer.
  writeSettings("SilentAutoUpdateEnable=1\r\nAutoUpdateDisable=1\r\n");
  EXPECT_EQ(run({L"-isSAUEnabled"}), kSilentUpdateEnabledExitCode);
}

TEST_F(EntryTest, OnlyAnExactOptionRunsItsAction) {
  const wchar_t* const nearMisses[] = {
      L"-SetSilentAutoUpdate", L"-setsilentautoupdate", L"/setSilentAutoUpdate",
      L"setSilentAutoUpdate",  L"-setSilentAutoUpdate ", L" -setSilentAutoUpdate",
      L"-setSilentAutoUpdat",  L"-setSilentAutoUpdateX", L"--setSilentAutoUpdate",
      L"",
  };
  writeSettings("SilentAutoUpdateEnable=0\n");
  for (const wchar_t* argument : nearMisses) {
    SCOPED_TRACE(std::string(argument, argument + wcslen(argument)));
    EXPECT_EQ(run({argument}), 0);
    EXPECT_EQ(settingsBytes(), "SilentAutoUpdateEnable=0\n");
  }
  writeSettings("SilentAutoUpdateEnable=1\n");
  EXPECT_EQ(run({L"-IsSAUEnabled"}), 0);
  EXPECT_EQ(run({L"-isSAUEnabled "}), 0);
}

TEST_F(EntryTest, ArgumentsAfterTheFirstAreIgnored) {
  EXPECT_EQ(run({L"-setDisableAutoUpdate", L"-setSilentAutoUpdate"}), 0);
  EXPECT_EQ(settingsBytes(), "AutoUpdateDisable=1\r\nSilentAutoUpdateEnable=0\r\n");
  EXPECT_EQ(run({L"-setSilentAutoUpdate", L"-isSAUEnabled"}), 0);
}

TEST_F(EntryTest, OptionRunsLogOnlyErrors) {
  // Even with verbose logging asked for, a run with an option never reads the policy.
  writeSettings("SilentAutoUpdateVerboseLogging=1\r\nSilentAutoUpdateEnable=1\r\n");
  EXPECT_EQ(run({L"-isSAUEnabled"}), kSilentUpdateEnabledExitCode);
  EXPECT_FALSE(verboseLogging);
  EXPECT_EQ(logText(), "");
}

TEST_F(EntryTest, RunWithoutOptionReadsThePolicyForTheServiceRun) {
  writeSettings("SilentAutoUpdateVerboseLogging=1\r\nSilentAutoUpdateEnable=1\r\n");
  EXPECT_EQ(run({}), 0);
  EXPECT_TRUE(verboseLogging);
  EXPECT_TRUE(updatePolicy.silentAutoUpdateEnabled);
  EXPECT_EQ(runContext, nullptr);
  // The start records came before the policy switched verbose logging on.
  const std::string log = logText();
  EXPECT_EQ(log.find("1617"), std::string::npos);
  EXPECT_NE(log.find("[info] 1614\r\n"), std::string::npos);
  EXPECT_NE(log.find("[info] 1615\r\n"), std::string::npos);
}

TEST(RunningExecutablePath, IsTheModulesFullPath) {
  wchar_t module[MAX_PATH];
  ASSERT_GT(::GetModuleFileNameW(nullptr, module, MAX_PATH), 0u);
  const std::wstring path = runningExecutablePath();
  EXPECT_EQ(path, module);
  EXPECT_EQ(path.substr(1, 2), L":\\");
}

}  // namespace

// Running out of memory: each operation that can meet it turns it into a failed result and
// its own record, and nothing already on disk is lost.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "entry/entry.h"
#include "policy_fixture.h"
#include "service/update_service.h"
#include "update/run_context.h"

namespace {

// One allocation fails when armed: the next one, or the next one of a given size.
struct AllocationFailure {
  bool armed = false;
  size_t size = 0;  // 0: any size
} failure;

void failNextAllocation(size_t size = 0) { failure = {true, size}; }

}  // namespace

void* operator new(size_t size) {
  if (failure.armed && (failure.size == 0 || failure.size == size)) {
    failure.armed = false;
    throw std::bad_alloc();
  }
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }

namespace {

class OutOfMemoryTest : public PolicyFixture {
 protected:
  void SetUp() override {
    PolicyFixture::SetUp();
    verboseLogging = true;  // warnings reach the log
  }
  void TearDown() override {
    failure.armed = false;
    PolicyFixture::TearDown();
  }
};

TEST_F(OutOfMemoryTest, SetUpdateModeFailsWithItsWarningAndKeepsTheFile) {
  writeSettings("SilentAutoUpdateEnable=0\r\n");
  failNextAllocation();
  EXPECT_FALSE(setUpdateMode(UpdateMode::Silent));
  EXPECT_EQ(settingsBytes(), "SilentAutoUpdateEnable=0\r\n");
  EXPECT_NE(logText().find("[warning] 1418\r\n"), std::string::npos);
}

TEST_F(OutOfMemoryTest, SilentUpdatingQueryFailsAsNotEnabled) {
  writeSettings("SilentAutoUpdateEnable=1\r\n");
  failNextAllocation();
  EXPECT_FALSE(isSilentAutoUpdateEnabled());
  EXPECT_NE(logText().find("[warning] 1419\r\n"), std::string::npos);
}

TEST_F(OutOfMemoryTest, PolicyReadFailureIsRecordedWhileBuildingTheRunContext) {
  writeSettings("SilentAutoUpdateEnable=1\r\n");
  std::wstring path = L"C:\\Program Files\\BrenzPlayerUpdateService.exe";
  failNextAllocation();
  RunContext context(std::move(path));  // moved in: the first allocation is the policy read's
  EXPECT_FALSE(updatePolicy.silentAutoUpdateEnabled);
  const std::string log = logText();
  const size_t warning = log.find("[warning] 1420\r\n");
  ASSERT_NE(warning, std::string::npos);
  EXPECT_NE(log.find("[error] 1233 ", warning), std::string::npos);
}

TEST_F(OutOfMemoryTest, EntryCatchesItAndStillExitsWithZero) {
  writeSettings("SilentAutoUpdateEnable=1\r\n");
  std::wstring program = L"BrenzPlayerUpdateService.exe";
  std::wstring option = L"-isSAUEnabled";
  wchar_t* argv[] = {program.data(), option.data(), nullptr};
  failNextAllocation(sizeof(UpdateService));
  EXPECT_EQ(runEntry(2, argv), 0);
  EXPECT_NE(logText().find("[error] 1239 "), std::string::npos);
  // The action never ran: its informational record is missing.
  EXPECT_EQ(logText().find("1607"), std::string::npos);
}

}  // namespace

#include "log/log_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(ToDecimal, WritesSignedBaseTenWithoutPadding) {
  const struct {
    int32_t value;
    const wchar_t* text;
  } cases[] = {
      {0, L"0"},
      {7, L"7"},
      {1617, L"1617"},
      {-1, L"-1"},
      {std::numeric_limits<int32_t>::max(), L"2147483647"},
      {std::numeric_limits<int32_t>::min(), L"-2147483648"},
      // An HRESULT passes through the signed conversion.
      {static_cast<int32_t>(0x80070002u), L"-2147024894"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(toDecimal(c.value), c.text);
  }
}

TEST(CodeMessage, JoinsCodeAndValueWithOneSpace) {
  EXPECT_EQ(codeMessage(1607), L"1607");
  EXPECT_EQ(codeMessage(1219, 5), L"1219 5");
  EXPECT_EQ(codeMessage(1234, static_cast<int32_t>(0x80070002u)), L"1234 -2147024894");
  EXPECT_EQ(codeMessage(1628, std::wstring(L"downloads.example")), L"1628 downloads.example");
}

TEST(FormatLogRecord, IsByteExactWithUnpaddedFields) {
  const struct {
    const char* name;
    LogTime time;
    LogLevel level;
    const wchar_t* message;
    const wchar_t* record;
  } cases[] = {
      {"error with value", {2010, 3, 5, 7, 4, 9, 45}, LogLevel::Error, L"1219 5",
       L"2010-3-5+7-4-9.45 [error] 1219 5\r\n"},
      {"single digits", {2010, 1, 2, 3, 4, 5, 6}, LogLevel::Info, L"1617",
       L"2010-1-2+3-4-5.6 [info] 1617\r\n"},
      {"widest fields", {2026, 12, 31, 23, 59, 59, 999}, LogLevel::Warning, L"1408",
       L"2026-12-31+23-59-59.999 [warning] 1408\r\n"},
      {"midnight", {2026, 1, 1, 0, 0, 0, 0}, LogLevel::Info, L"x",
       L"2026-1-1+0-0-0.0 [info] x\r\n"},
      {"message kept unchanged", {2010, 1, 1, 1, 1, 1, 1}, LogLevel::Error, L"a [b]\r\nc",
       L"2010-1-1+1-1-1.1 [error] a [b]\r\nc\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(formatLogRecord(c.time, c.level, c.message), c.record);
  }
}

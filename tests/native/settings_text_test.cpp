#include "settings/settings_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace std::string_literals;

namespace {

// Keys and values regardless of table order.
using Pairs = std::map<std::string, std::string>;

Pairs parsed(const std::string& bytes) {
  SASM::StringMap map;
  SASM::parseSettingsText(bytes, map);
  Pairs pairs;
  for (const auto& entry : map.entries()) pairs.emplace(entry.key, entry.value);
  return pairs;
}

}  // namespace

TEST(ParseSettingsText, ReadsKeysAndValues) {
  const struct {
    const char* name;
    std::string bytes;
    Pairs expected;
  } cases[] = {
      {"four bytes without line end", "Si=1", {{"Si", "1"}}},
      {"three bytes hold nothing", "a=1", {}},
      {"empty file", "", {}},
      {"blanks and CR LF trimmed", "  SilentAutoUpdateEnable  =  yes  \r\n",
       {{"SilentAutoUpdateEnable", "yes"}}},
      {"tabs trimmed", "\tkey\t=\tvalue\t\n", {{"key", "value"}}},
      {"value may hold =", "a=b=c\n", {{"a", "b=c"}}},
      {"empty key or value ignored", "=1\nkey=\nkey=   \n   =   \nok=1\n", {{"ok", "1"}}},
      {"line without = ignored", "# comment\n\nplain text\nk=v\n", {{"k", "v"}}},
      {"last occurrence wins", "x=1\ny=3\nx=2\n", {{"x", "2"}, {"y", "3"}}},
      {"keys are case-sensitive", "silentautoupdateenable=1\n", {{"silentautoupdateenable", "1"}}},
      {"no comment syntax", "#SilentAutoUpdateEnable=1\n", {{"#SilentAutoUpdateEnable", "1"}}},
      {"UTF-8 byte-order mark skipped", "\xEF\xBB\xBFkey=v\r\n", {{"key", "v"}}},
      {"UTF-16 little-endian not read", "\xFF\xFEk\0=\0v\0"s, {}},
      {"UTF-16 big-endian not read", "\xFE\xFF\0k\0=\0v"s, {}},
      // A lone CR ends a line without taking the next line's first byte.
      {"lone CR ends a line", "a=1\rb=2\r", {{"a", "1"}, {"b", "2"}}},
      {"CR CR is two line ends", "a=1\r\rb=2", {{"a", "1"}, {"b", "2"}}},
      {"LF CR is two line ends", "a=1\n\rb=2", {{"a", "1"}, {"b", "2"}}},
      // Bytes of non-ASCII characters at the ends survive the trimming.
      {"UTF-8 characters at the ends kept", "caf\xC3\xA9=\xC3\xA9t\xC3\xA9\n",
       {{"caf\xC3\xA9", "\xC3\xA9t\xC3\xA9"}}},
      {"NUL ends the line's text", "key=va\0lue\nb=2\n"s, {{"key", "va"}, {"b", "2"}}},
      {"NUL before = drops the line", "ke\0y=1\nb=2\n"s, {{"b", "2"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(parsed(c.bytes), c.expected);
  }
}

TEST(ParseSettingsText, LinesHaveNoLengthLimit) {
  const std::string longValue(100000, 'v');
  const Pairs pairs = parsed("k=" + longValue + "\nz=1");
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_TRUE(pairs.at("k") == longValue);
  EXPECT_EQ(pairs.at("z"), "1");
}

TEST(FormatSettingsText, WritesTableOrderWithCrLf) {
  SASM::StringMap map;
  map.set("SilentAutoUpdateEnable", "1");
  map.set("AutoUpdateDisable", "0");
  EXPECT_EQ(SASM::formatSettingsText(map), "AutoUpdateDisable=0\r\nSilentAutoUpdateEnable=1\r\n");
  EXPECT_EQ(SASM::formatSettingsText(SASM::StringMap()), "");
}

TEST(FormatSettingsText, RoundTripsWhatItReads) {
  const std::string text =
      "AutoUpdateDisable=0\r\nab=\xC3\xA9\r\nSilentAutoUpdateServerDomain=h\xC3\xA9.example\r\n";
  SASM::StringMap map;
  SASM::parseSettingsText(text, map);
  EXPECT_EQ(SASM::formatSettingsText(map), text);
}

TEST(ParseBool, AcceptsWordsAndNonZeroLeadingNumbers) {
  const struct {
    const char* value;
    bool expected;
  } cases[] = {
      {"TRUE", true},  {"true", true},     {"Yes", true},       {"y", true},
      {"T", true},     {"1", true},        {"-1", true},        {"42abc", true},
      {" 7", true},    {"+3", true},       {"99999999999", true}, {"007", true},
      {"", false},     {"0", false},       {"false", false},    {"no", false},
      {"on", false},   {"0x1", false},     {"yes please", false}, {"-0", false},
      {"00", false},   {"x1", false},      {"tru", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(SASM::parseBool(c.value), c.expected);
  }
}

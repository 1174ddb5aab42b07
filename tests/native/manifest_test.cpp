#include "update/manifest.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "update/decimal_number.h"

namespace {

struct Parsed {
  ManifestParse result;
  VersionInfo activeX;
  VersionInfo plugin;
  uint32_t checkFrequency;
};

// Outputs start as a sentinel so that a failure can be seen to leave them untouched.
constexpr VersionInfo kUntouched{9, 9, 9, 9, Plugin};
constexpr uint32_t kUntouchedFrequency = 99;

Parsed parse(const std::string& text) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  Parsed p{ManifestParse::Ok, kUntouched, kUntouched, kUntouchedFrequency};
  p.result = parseManifestText(buffer.data(), p.activeX, p.plugin, p.checkFrequency);
  return p;
}

const char kActiveX[] = R"(<ActiveX major="11" minor="4" buildMajor="310" buildMinor="52"/>)";
const char kPlugin[] = R"(<Plugin major="11" minor="5" buildMajor="400" buildMinor="7"/>)";
const char kConfig[] = R"(<SAUConfig checkFrequency="1"/>)";

std::string manifest(const std::string& children) { return "<version>" + children + "</version>"; }

void expectUntouched(const Parsed& p) {
  EXPECT_EQ(p.activeX, kUntouched);
  EXPECT_EQ(p.plugin, kUntouched);
  EXPECT_EQ(p.checkFrequency, kUntouchedFrequency);
}

}  // namespace

TEST(ParseManifestText, ReadsBothRecordsAndTheFrequency) {
  const Parsed p = parse(manifest(std::string(kActiveX) + kPlugin + kConfig));
  ASSERT_EQ(p.result, ManifestParse::Ok);
  EXPECT_EQ(p.activeX, (VersionInfo{{11, 4, 310, 52}, ActiveX}));
  EXPECT_EQ(p.plugin, (VersionInfo{{11, 5, 400, 7}, Plugin}));
  EXPECT_EQ(p.checkFrequency, 1u);
}

TEST(ParseManifestText, AcceptsWhatPrecedesTheFirstElementAndIgnoresExtras) {
  const std::string body = std::string(kConfig) + kPlugin + kActiveX;  // any child order
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"byte-order mark", "\xEF\xBB\xBF" + manifest(body)},
      {"declaration", "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n" + manifest(body)},
      {"comment and doctype", "<!-- current --><!DOCTYPE version>" + manifest(body)},
      {"extra elements, attributes and text",
       "<version channel=\"beta\">text<Other/><ActiveX major=\"11\" minor=\"4\" buildMajor=\"310\" "
       "buildMinor=\"52\" extra=\"1\">content</ActiveX>" +
           std::string(kPlugin) + kConfig + "</version><trailer/>"},
      // Each lookup takes the first match.
      {"second ActiveX ignored",
       manifest(std::string(kActiveX) +
                R"(<ActiveX major="1" minor="1" buildMajor="1" buildMinor="1"/>)" + kPlugin +
                R"(<SAUConfig checkFrequency="1"/><SAUConfig checkFrequency="3"/>)")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Parsed p = parse(c.text);
    ASSERT_EQ(p.result, ManifestParse::Ok);
    EXPECT_EQ(p.activeX, (VersionInfo{{11, 4, 310, 52}, ActiveX}));
    EXPECT_EQ(p.plugin, (VersionInfo{{11, 5, 400, 7}, Plugin}));
    EXPECT_EQ(p.checkFrequency, 1u);
  }
}

TEST(ParseManifestText, MissingItemLeavesOutputsUntouched) {
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"empty body", ""},
      {"no version element", "<versions>" + std::string(kActiveX) + kPlugin + kConfig + "</versions>"},
      {"version not at top level", "<root>" + manifest(std::string(kActiveX) + kPlugin + kConfig) + "</root>"},
      {"SAUConfig missing", manifest(std::string(kActiveX) + kPlugin)},
      {"checkFrequency missing", manifest(std::string(kActiveX) + kPlugin + "<SAUConfig/>")},
      {"Plugin missing", manifest(std::string(kActiveX) + kConfig)},
      {"ActiveX in lower case",
       manifest(R"(<activex major="11" minor="4" buildMajor="310" buildMinor="52"/>)" +
                std::string(kPlugin) + kConfig)},
      {"attribute in another case",
       manifest(R"(<ActiveX major="11" minor="4" buildmajor="310" buildMinor="52"/>)" +
                std::string(kPlugin) + kConfig)},
      {"buildMinor missing on Plugin",
       manifest(std::string(kActiveX) + R"(<Plugin major="11" minor="5" buildMajor="400"/>)" + kConfig)},
      // Attributes belong to the element itself, not to a child of it.
      {"attribute on a child",
       manifest(std::string(kActiveX) + kPlugin + R"(<SAUConfig><x checkFrequency="1"/></SAUConfig>)")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Parsed p = parse(c.text);
    EXPECT_EQ(p.result, ManifestParse::MissingItem);
    expectUntouched(p);
  }
}

TEST(ParseManifestText, MalformedXmlIsASyntaxError) {
  const char* const cases[] = {
      "<version><ActiveX major=\"11\"></version>",
      "<html><body>502 Bad Gateway<br></body></html>",
      "<version><ActiveX major=11/></version>",
      "<version",
  };
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    const Parsed p = parse(text);
    EXPECT_EQ(p.result, ManifestParse::SyntaxError);
    expectUntouched(p);
  }
}

TEST(ParseManifestText, AttributeValuesReadAsUnsignedDecimals) {
  const struct {
    const char* value;
    uint32_t expected;
  } cases[] = {
      {" 7", 7}, {"7b", 7}, {"", 0}, {"x", 0}, {"-1", 4294967295u}, {"0", 0},
      {"4294967295", 4294967295u}, {"4294967296", 4294967295u},
      // Entities are decoded before the number is read.
      {"&#32;8", 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const std::string config = std::string("<SAUConfig checkFrequency=\"") + c.value + "\"/>";
    const Parsed p = parse(manifest(std::string(kActiveX) + kPlugin + config));
    ASSERT_EQ(p.result, ManifestParse::Ok);
    EXPECT_EQ(p.checkFrequency, c.expected);
  }
}

TEST(ParseUnsignedDecimal, FollowsTheWindowsRuntimeStrtoul) {
  const struct {
    const char* text;
    uint32_t expected;
  } cases[] = {
      {"42", 42},
      {" \t\r\n\v\f42", 42},
      {"+42", 42},
      {"-0", 0},
      {"-4294967295", 1},
      {"0042", 42},
      {"12.5", 12},
      {"+", 0},
      {"- 1", 0},
      {"+-1", 0},
      {"0x1F", 0},
      // An out-of-range magnitude saturates, then the sign applies.
      {"-4294967296", 1},
      {"-99999999999", 1},
      {"123456789012345678901234567890", 4294967295u},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseUnsignedDecimal(c.text), c.expected);
    const std::wstring wide(c.text, c.text + std::char_traits<char>::length(c.text));
    EXPECT_EQ(parseUnsignedDecimal(wide.c_str()), c.expected);
  }
}

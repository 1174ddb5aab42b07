#include "update/installed_version.h"

#include <gtest/gtest.h>

#include <string>

TEST(ParseInstalledVersionText, SplitsAtDots) {
  const struct {
    const wchar_t* text;
    InstalledVersion expected;
  } cases[] = {
      {L"11.4.310.52", {11, 4, 310, 52}},
      {L"11.4.310", {11, 4, 310, 0}},
      {L"11", {11, 0, 0, 0}},
      {L"11..310.52", {11, 0, 310, 52}},
      {L".4.310.52", {0, 4, 310, 52}},
      {L"11.4.310.", {11, 4, 310, 0}},
      {L" 11. 4.+310.52b", {11, 4, 310, 52}},
      {L"11.-1.0.0", {11, 4294967295u, 0, 0}},
      {L"11.99999999999.0.0", {11, 4294967295u, 0, 0}},
      {L"11.-99999999999.0.0", {11, 1, 0, 0}},
      {L"", {0, 0, 0, 0}},
      {L"abc", {0, 0, 0, 0}},
      {L"0.0.0.0", {0, 0, 0, 0}},
      // A fifth piece, even an empty one, makes the text unusable.
      {L"11.4.310.52.1", {0, 0, 0, 0}},
      {L"11.4.310.52.", {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    EXPECT_EQ(parseInstalledVersionText(c.text), c.expected);
  }
}

TEST(ParseInstalledVersionText, EndsAtTheFirstZeroCharacter) {
  const std::wstring buffer(L"11.4.310.52\0.1.2", 16);
  EXPECT_EQ(parseInstalledVersionText(buffer), (InstalledVersion{11, 4, 310, 52}));
}

TEST(CompareVersions, ComparesComponentsAsNumbersInOrder) {
  const struct {
    InstalledVersion a, b;
    int expected;
  } cases[] = {
      {{11, 4, 310, 52}, {11, 4, 310, 52}, 0},
      {{11, 4, 310, 60}, {11, 4, 310, 52}, 1},
      {{11, 3, 150, 17}, {11, 4, 310, 52}, -1},
      // Numbers, not text: 9 < 10.
      {{11, 9, 900, 1}, {11, 10, 0, 0}, -1},
      // An earlier component outweighs all later ones.
      {{12, 0, 0, 0}, {11, 4294967295u, 4294967295u, 4294967295u}, 1},
      {{1, 2, 3, 4294967295u}, {1, 2, 4, 0}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.a) + " vs " + testing::PrintToString(c.b));
    EXPECT_EQ(compareVersions(c.a, c.b), c.expected);
    EXPECT_EQ(compareVersions(c.b, c.a), -c.expected);
  }
}

TEST(IsUpdateNeeded, OnlyForAUsableOlderInstallation) {
  const struct {
    VersionInfo offered;
    InstalledVersion installed;
    bool expected;
  } cases[] = {
      {{{11, 4, 310, 60}, ActiveX}, {11, 4, 310, 52}, true},
      {{{11, 4, 310, 52}, Plugin}, {11, 4, 310, 52}, false},
      {{{11, 3, 150, 17}, ActiveX}, {11, 4, 310, 52}, false},
      {{{11, 10, 0, 0}, Plugin}, {11, 9, 900, 1}, true},
      // Nothing usable is installed.
      {{{11, 4, 310, 52}, ActiveX}, {0, 0, 0, 0}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.offered) + " over " + testing::PrintToString(c.installed));
    EXPECT_EQ(isUpdateNeeded(c.offered, c.installed), c.expected);
  }
}

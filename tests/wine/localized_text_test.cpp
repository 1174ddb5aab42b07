// The localized texts, looked up in this test executable, which carries the same string tables
// as the program. Run with an English (United States) user interface.
#include "text/localized_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "text/resource_ids.h"

namespace brenz {
namespace {

const wchar_t kTaskDescription[] =
    L"This task keeps your Kelvo Brenz Player installation up to date with the latest "
    L"enhancements and security fixes. If this task is disabled or removed, Kelvo Brenz Player "
    L"will be unable to automatically secure your machine with the latest security fixes.";
const wchar_t kServiceDescription[] =
    L"This service keeps your Kelvo Brenz Player installation up to date with the latest "
    L"enhancements and security fixes.";

// The entries of one block of the string table in one language, as the resource holds them:
// 16 counted texts, empty ones included. Empty when the block is absent in that language.
std::vector<std::wstring> readStringBlock(unsigned id, LANGID language) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceExW(module, RT_STRING,
                               MAKEINTRESOURCEW(id / 16 + 1), language);
  if (info == nullptr) {
    return {};
  }
  const auto* data = static_cast<const wchar_t*>(LockResource(LoadResource(module, info)));
  const wchar_t* const end = data + SizeofResource(module, info) / sizeof(wchar_t);
  std::vector<std::wstring> entries;
  while (entries.size() < 16 && data < end) {
    const size_t length = static_cast<unsigned short>(*data++);
    if (length > static_cast<size_t>(end - data)) {
      ADD_FAILURE() << "entry " << entries.size() << " runs past the end of the block";
      return {};
    }
    entries.emplace_back(data, length);
    data += length;
  }
  return entries;
}

BOOL CALLBACK collectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
  reinterpret_cast<std::vector<LANGID>*>(languages)->push_back(language);
  return TRUE;
}

bool liesInThisModule(const void* address) {
  HMODULE found = nullptr;
  return GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &found) &&
         found == GetModuleHandleW(nullptr);
}

TEST(LoadLocalizedText, ReturnsTheEnglishTextInPlaceEndingAtItsLastCharacter) {
  const struct {
    const char* name;
    unsigned id;
    const wchar_t* text;
    size_t length;
  } cases[] = {
      {"task description", IDS_TASK_DESCRIPTION, kTaskDescription, 252},
      {"service description", IDS_SERVICE_DESCRIPTION, kServiceDescription, 115},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const wchar_t* text = loadLocalizedText(c.id);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text), c.text);
    EXPECT_EQ(std::wcslen(text), c.length);
    // The resource data itself, not a copy on the heap: it lives as long as the process.
    EXPECT_TRUE(liesInThisModule(text));
  }
}

TEST(LoadLocalizedText, ReplacesAnAbsentTextWithTheMissingMarker) {
  const struct {
    const char* name;
    unsigned id;
  } cases[] = {
      {"empty entry after the task description", IDS_TASK_DESCRIPTION + 1},
      {"empty entry after the service description", IDS_SERVICE_DESCRIPTION + 1},
      {"block without any text", 4000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const wchar_t* text = loadLocalizedText(c.id);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text), L"MISSING LOCALIZATION");
  }
}

// Every language of the string tables, with a characteristic phrase of each of its two texts.
// The phrases hold the language's own letters, so a table compiled in the wrong code page
// fails here.
const struct Language {
  LANGID id;
  const char* name;
  const wchar_t* taskPhrase;
  const wchar_t* servicePhrase;
} kLanguages[] = {
    {0x001D, "Swedish", L"Den här aktiviteten håller", L"Den här tjänsten håller"},
    {0x0404, "Chinese (Traditional)", L"此工作會讓您", L"此服務會讓您"},
    {0x0405, "Czech", L"Tato úloha udržuje", L"Tato služba udržuje"},
    {0x0407, "German", L"Diese Aufgabe hält", L"Dieser Dienst hält"},
    {0x0409, "English", L"This task keeps", L"This service keeps"},
    {0x040C, "French", L"Cette tâche maintient", L"à jour avec les dernières"},
    {0x0410, "Italian", L"Questa attività mantiene", L"sicurezza più recenti."},
    {0x0411, "Japanese", L"このタスクは", L"このサービスは"},
    {0x0412, "Korean", L"이 작업은", L"이 서비스는"},
    {0x0413, "Dutch", L"Deze taak houdt", L"Deze service houdt"},
    {0x0415, "Polish", L"To zadanie utrzymuje aktualność", L"Ta usługa utrzymuje"},
    {0x0416, "Portuguese (Brazil)", L"Esta tarefa mantém", L"Este serviço mantém"},
    {0x0419, "Russian", L"Эта задача поддерживает", L"Эта служба поддерживает"},
    {0x041F, "Turkish", L"Bu görev,", L"güvenlik düzeltmeleriyle güncel tutar."},
    {0x0804, "Chinese (Simplified)", L"此任务可使您", L"此服务可使您"},
    {0x0C0A, "Spanish", L"Esta tarea mantiene actualizada su instalación", L"Este servicio mantiene"},
};

TEST(StringTables, HoldBothTextsAloneInTheirBlocksInEveryLanguage) {
  for (const Language& language : kLanguages) {
    SCOPED_TRACE(language.name);
    const struct {
      unsigned id;
      const wchar_t* phrase;
    } texts[] = {
        {IDS_TASK_DESCRIPTION, language.taskPhrase},
        {IDS_SERVICE_DESCRIPTION, language.servicePhrase},
    };
    for (const auto& text : texts) {
      SCOPED_TRACE(text.id);
      const std::vector<std::wstring> block = readStringBlock(text.id, language.id);
      ASSERT_EQ(block.size(), 16u) << "the block of this text is missing or truncated";
      for (unsigned slot = 0; slot < 16; ++slot) {
        if (slot != text.id % 16) {
          EXPECT_TRUE(block[slot].empty()) << "entry " << slot << " of the block is not empty";
        }
      }
      const std::wstring& found = block[text.id % 16];
      EXPECT_NE(found.find(L"Kelvo Brenz Player"), std::wstring::npos);
      EXPECT_NE(found.find(text.phrase), std::wstring::npos);
    }
  }
}

TEST(StringTables, ExistInTheSixteenLanguagesAndNoOther) {
  std::vector<LANGID> expected;
  for (const Language& language : kLanguages) {
    expected.push_back(language.id);
  }
  std::sort(expected.begin(), expected.end());
  for (unsigned id : {IDS_TASK_DESCRIPTION, IDS_SERVICE_DESCRIPTION}) {
    SCOPED_TRACE(id);
    std::vector<LANGID> languages;
    ASSERT_TRUE(EnumResourceLanguagesW(GetModuleHandleW(nullptr), RT_STRING,
                                       MAKEINTRESOURCEW(id / 16 + 1), collectLanguage,
                                       reinterpret_cast<LONG_PTR>(&languages)));
    std::sort(languages.begin(), languages.end());
    EXPECT_EQ(languages, expected);
  }
}

}  // namespace
}  // namespace brenz

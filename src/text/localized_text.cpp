#include "text/localized_text.h"

#include <windows.h>

namespace brenz {

const wchar_t* loadLocalizedText(unsigned id) {
  // With a buffer length of 0 the loader stores the address of the text inside the mapped
  // resource data instead of copying it. The counted entry carries no terminator of its own;
  // the text is zero-terminated because the entry after it in the block is empty (see
  // resource_ids.h), so the pointer can be handed out as it is.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length == 0 || text == nullptr) {
    return L"MISSING LOCALIZATION";
  }
  return text;
}

}  // namespace brenz

#include "settings/settings_text.h"

namespace SASM {
namespace {

// Only the space and the control bytes are trimmed: bytes from 0x80 on belong to UTF-8
// characters and must survive at the ends of keys and values.
bool isTrimmed(char byte) { return static_cast<unsigned char>(byte) <= 0x20; }

std::string trimmed(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isTrimmed(text[begin])) ++begin;
  while (end > begin && isTrimmed(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

void takeLine(const std::string& line, StringMap& table) {
  // A NUL byte ends the line's text.
  const std::string text = line.substr(0, line.find('\0'));
  const size_t equals = text.find('=');
  if (equals == std::string::npos) return;
  const std::string key = trimmed(text.substr(0, equals));
  const std::string value = trimmed(text.substr(equals + 1));
  if (key.empty() || value.empty()) return;
  table.set(key, value);
}

bool startsWith(const std::string& bytes, const char* prefix, size_t length) {
  return bytes.compare(0, length, prefix, length) == 0;
}

}  // namespace

void parseSettingsText(const std::string& bytes, StringMap& table) {
  if (bytes.size() < 4) return;
  size_t position = 0;
  if (startsWith(bytes, "\xEF\xBB\xBF", 3)) {
    position = 3;
  } else if (startsWith(bytes, "\xFF\xFE", 2) || startsWith(bytes, "\xFE\xFF", 2)) {
    return;
  }
  // LF ends a line, and so does a lone CR; a CR LF pair is one line end.
  while (position < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", position);
    if (end == std::string::npos) {
      takeLine(bytes.substr(position), table);
      break;
    }
    takeLine(bytes.substr(position, end - position), table);
    position = end + 1;
    if (bytes[end] == '\r' && position < bytes.size() && bytes[position] == '\n') ++position;
  }
}

std::string formatSettingsText(const StringMap& table) {
  std::string text;
  for (const StringMap::Entry& entry : table.entries()) {
    text += entry.key;
    text += '=';
    text += entry.value;
    text += "\r\n";
  }
  return text;
}

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the leading decimal number (as the C library's strtol reads it) is non-zero.
// A number beyond the 32-bit range saturates, which is non-zero too, so only the digits'
// being all zero matters.
bool leadingNumberIsNonZero(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    if (text[i] != '0') return true;
  }
  return false;
}

}  // namespace

bool parseBool(const std::string& value) {
  std::string lower = value;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (lower == "true" || lower == "t" || lower == "yes" || lower == "y") return true;
  return leadingNumberIsNonZero(lower);
}

}  // namespace SASM

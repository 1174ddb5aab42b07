#include "update/manifest.h"

#include <rapidxml.hpp>

#include <new>

#include "update/decimal_number.h"

namespace {

using Node = rapidxml::xml_node<char>;

// The four version attributes of one flavour element, read only when all are present.
bool readVersion(const Node* version, const char* elementName, PlayerFlavour flavour,
                 VersionInfo& out) {
  const Node* element = version->first_node(elementName);
  if (!element) return false;
  const char* const names[] = {"major", "minor", "buildMajor", "buildMinor"};
  const char* values[4];
  for (int i = 0; i < 4; ++i) {
    const auto* attribute = element->first_attribute(names[i]);
    if (!attribute) return false;
    values[i] = attribute->value();
  }
  out = VersionInfo{{parseUnsignedDecimal(values[0]), parseUnsignedDecimal(values[1]),
                     parseUnsignedDecimal(values[2]), parseUnsignedDecimal(values[3])},
                    flavour};
  return true;
}

}  // namespace

ManifestParse parseManifestText(char* text, VersionInfo& activeX, VersionInfo& plugin,
                                uint32_t& checkFrequency) {
  try {
    rapidxml::xml_document<char> document;
    // Default flags: a BOM, the XML declaration, comments and a DOCTYPE are skipped.
    document.parse<0>(text);

    const Node* version = document.first_node("version");
    if (!version) return ManifestParse::MissingItem;
    VersionInfo readActiveX{};
    VersionInfo readPlugin{};
    if (!readVersion(version, "ActiveX", ActiveX, readActiveX)) return ManifestParse::MissingItem;
    if (!readVersion(version, "Plugin", Plugin, readPlugin)) return ManifestParse::MissingItem;
    const Node* config = version->first_node("SAUConfig");
    if (!config) return ManifestParse::MissingItem;
    const auto* frequency = config->first_attribute("checkFrequency");
    if (!frequency) return ManifestParse::MissingItem;

    activeX = readActiveX;
    plugin = readPlugin;
    checkFrequency = parseUnsignedDecimal(frequency->value());
    return ManifestParse::Ok;
  } catch (const rapidxml::parse_error&) {
    return ManifestParse::SyntaxError;
  } catch (const std::bad_alloc&) {
    return ManifestParse::OutOfMemory;
  }
}

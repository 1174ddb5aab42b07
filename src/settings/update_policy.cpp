#include "settings/update_policy.h"

#include <windows.h>

#include <new>

#include "base/wide_text.h"
#include "build_config.h"
#include "log/install_log.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"

#define BRENZ_WIDEN2(text) L##text
#define BRENZ_WIDEN(text) BRENZ_WIDEN2(text)

const wchar_t* const kBuiltInManifestHost = BRENZ_WIDEN(BRENZ_MANIFEST_HOST_TEXT);
const wchar_t* const kBuiltInPackageHost = BRENZ_WIDEN(BRENZ_PACKAGE_HOST_TEXT);

UpdatePolicy updatePolicy{false, false, kBuiltInManifestHost, kBuiltInPackageHost};

namespace {

const char kSilentEnableKey[] = "SilentAutoUpdateEnable";
const char kDisableKey[] = "AutoUpdateDisable";
const char kVerboseKey[] = "SilentAutoUpdateVerboseLogging";
const char kServerDomainKey[] = "SilentAutoUpdateServerDomain";

// One domain serves both the manifest and the packages.
void applyServerDomain(const std::string& domain) {
  if (domain.empty()) return;
  if (!brenz::utf8ToWide(domain, updatePolicy.packageHost))
    logCode(LogLevel::Error, 1237, ::GetLastError());
  if (!brenz::utf8ToWide(domain, updatePolicy.manifestHost))
    logCode(LogLevel::Error, 1238, ::GetLastError());
  if (updatePolicy.packageHost.empty())
    updatePolicy.packageHost = kBuiltInPackageHost;
  else
    logMessage(LogLevel::Info, codeMessage(1628, updatePolicy.packageHost));
  if (updatePolicy.manifestHost.empty())
    updatePolicy.manifestHost = kBuiltInManifestHost;
  else
    logMessage(LogLevel::Info, codeMessage(1629, updatePolicy.manifestHost));
}

}  // namespace

bool readUpdatePolicy() {
  try {
    const SASM::SettingsFile settings(SASM::settingsFilePath());
    // First, so that the records below already follow the administrator's choice.
    if (SASM::parseBool(settings.lookup(kVerboseKey))) verboseLogging = true;
    applyServerDomain(settings.lookup(kServerDomainKey));
    updatePolicy.autoUpdateDisabled = SASM::parseBool(settings.lookup(kDisableKey));
    logCode(LogLevel::Info, updatePolicy.autoUpdateDisabled ? 1613 : 1614);
    updatePolicy.silentAutoUpdateEnabled = SASM::parseBool(settings.lookup(kSilentEnableKey));
    logCode(LogLevel::Info, updatePolicy.silentAutoUpdateEnabled ? 1615 : 1616);
    return true;
  } catch (const std::bad_alloc&) {
    logCode(LogLevel::Warning, 1420);
    return false;
  }
}

bool setUpdateMode(UpdateMode mode) {
  // "SilentAutoUpdateEnable" and "AutoUpdateDisable" of each mode, in the order of the modes.
  static const char* const kSwitches[][2] = {{"1", "0"}, {"0", "0"}, {"0", "1"}};
  const int index = static_cast<int>(mode);
  if (index < 0 || index > 2) return false;
  const char* silentValue = kSwitches[index][0];
  const char* disableValue = kSwitches[index][1];
  try {
    // Reading the current file first keeps every other key, the server domain among them.
    SASM::SettingsFile settings(SASM::settingsFilePath());
    settings.set(kSilentEnableKey, silentValue);
    settings.set(kDisableKey, disableValue);
    return settings.save();
  } catch (const std::bad_alloc&) {
    logCode(LogLevel::Warning, 1418);
    return false;
  }
}

bool isSilentAutoUpdateEnabled() {
  try {
    const SASM::SettingsFile settings(SASM::settingsFilePath());
    const bool enabled = SASM::parseBool(settings.lookup(kSilentEnableKey));
    if (enabled) logCode(LogLevel::Info, 1607);
    return enabled;
  } catch (const std::bad_alloc&) {
    logCode(LogLevel::Warning, 1419);
    return false;
  }
}

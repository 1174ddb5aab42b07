#pragma once
// The administrator's update policy, read from and written to the settings file.
#include <string>

enum class UpdateMode : int { Silent = 0, Notify = 1, Disabled = 2 };

// Process-wide; written only on the main thread before any service thread exists.
struct UpdatePolicy {
  bool autoUpdateDisabled = false;
  bool silentAutoUpdateEnabled = false;
  std::wstring manifestHost;
  std::wstring packageHost;
};
extern UpdatePolicy updatePolicy;

// The hosts of the download service chosen when the program was built.
extern const wchar_t* const kBuiltInManifestHost;
extern const wchar_t* const kBuiltInPackageHost;

// Fills updatePolicy from the settings file and may switch verbose logging on. True also
// when the file is missing or empty; false only when memory ran out.
bool readUpdatePolicy();

// Writes the two switches of the mode, keeping every other key. False for a mode outside
// the three, when the file could not be replaced, or when memory ran out.
bool setUpdateMode(UpdateMode mode);

// "SilentAutoUpdateEnable" alone; "AutoUpdateDisable" plays no part.
bool isSilentAutoUpdateEnabled();

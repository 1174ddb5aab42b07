#pragma once
// The service record that every run creates, and the operations on the registered service.
#include <string>

struct UpdateService {
  std::wstring binaryPath;   // full path of the running executable
  std::wstring serviceName;  // "KelvoBrenzPlayerUpdateSvc"
  std::wstring displayName;  // "Kelvo Brenz Player Update Service"

  bool isInstalled() const;
  bool start() const;
  bool stop() const;
  bool remove() const;
};

extern const wchar_t* const kServiceName;
extern const wchar_t* const kServiceDisplayName;

// Creates or refreshes the service, then creates the default task.
bool installCommand(const UpdateService& service);

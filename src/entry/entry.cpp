#include "entry/entry.h"

#include <windows.h>

#include <cwchar>
#include <memory>
#include <new>
#include <vector>

#include "log/install_log.h"
#include "service/service_runtime.h"
#include "service/update_service.h"
#include "settings/update_policy.h"
#include "task/task_commands.h"
#include "update/run_context.h"

namespace {

struct Option {
  const wchar_t* text;
  int (*action)(UpdateService& service);
};

int setMode(UpdateMode mode) {
  setUpdateMode(mode);
  return 0;
}

int uninstall(UpdateService& service) {
  deleteTaskCommand();
  if (service.isInstalled()) {
    // Back to back: the deletion takes effect once the service has stopped.
    service.stop();
    service.remove();
  }
  return 0;
}

// Matched in this order, exactly and case-sensitively; the first match runs.
const Option kOptions[] = {
    {L"-install", [](UpdateService& s) { installCommand(s); return 0; }},
    {L"-uninstall", uninstall},
    {L"-deleteTask", [](UpdateService&) { deleteTaskCommand(); return 0; }},
    {L"-createDefaultTask", [](UpdateService& s) { createDefaultTaskCommand(s); return 0; }},
    {L"-setSilentAutoUpdate", [](UpdateService&) { return setMode(UpdateMode::Silent); }},
    {L"-setNotifyAutoUpdate", [](UpdateService&) { return setMode(UpdateMode::Notify); }},
    {L"-setDisableAutoUpdate", [](UpdateService&) { return setMode(UpdateMode::Disabled); }},
    {L"-isSAUEnabled",
     [](UpdateService&) { return isSilentAutoUpdateEnabled() ? kSilentUpdateEnabledExitCode : 0; }},
};

int runOption(const wchar_t* argument, UpdateService& service) {
  for (const Option& option : kOptions) {
    if (std::wcscmp(argument, option.text) == 0) return option.action(service);
  }
  return 0;
}

// No option: the service road, or the trigger road when the service manager did not start us.
void runServiceRoad(const std::wstring& executablePath, UpdateService& service) {
  bool ranAsService;
  {
    RunContext context(executablePath);
    runContext = &context;
    ranAsService = runServiceDispatcher();
    runContext = nullptr;
  }
  if (!ranAsService) service.start();
}

std::wstring fullPathOf(const wchar_t* name) {
  const DWORD needed = ::GetFullPathNameW(name, 0, nullptr, nullptr);
  if (needed == 0) return name;
  std::vector<wchar_t> buffer(needed);
  const DWORD length = ::GetFullPathNameW(name, needed, buffer.data(), nullptr);
  return length == 0 || length >= needed ? std::wstring(name) : std::wstring(buffer.data(), length);
}

}  // namespace

std::wstring runningExecutablePath() {
  // The module's own path, not argument 0: started through PATH or by a relative name,
  // argument 0 does not name the file that becomes the service's and the task's program.
  for (DWORD size = MAX_PATH; size <= 32768 * 2; size *= 2) {
    std::vector<wchar_t> buffer(size);
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) break;
    if (length < size) return std::wstring(buffer.data(), length);
  }
  return std::wstring();
}

int runEntry(int argc, wchar_t** argv) {
  std::wstring executablePath = runningExecutablePath();
  if (executablePath.empty() && argc > 0) executablePath = fullPathOf(argv[0]);
  const wchar_t* argument = argc >= 2 ? argv[1] : nullptr;

  logMessage(LogLevel::Info, executablePath);
  logCode(LogLevel::Info, 1617);
  if (argument) logMessage(LogLevel::Info, argument);

  int exitCode = 0;
  try {
    auto service = std::make_unique<UpdateService>(
        UpdateService{executablePath, kServiceName, kServiceDisplayName});
    if (argument)
      exitCode = runOption(argument, *service);
    else
      runServiceRoad(executablePath, *service);
  } catch (const std::bad_alloc&) {
    logCode(LogLevel::Error, 1239, ::GetLastError());
  }
  return exitCode;
}

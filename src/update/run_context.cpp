#include "update/run_context.h"

#include <windows.h>

#include "log/install_log.h"
#include "settings/update_policy.h"

RunContext* runContext = nullptr;

RunContext::RunContext(std::wstring executablePath) : executablePath_(std::move(executablePath)) {
  if (!readUpdatePolicy()) logCode(LogLevel::Error, 1233, ::GetLastError());
}

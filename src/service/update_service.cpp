#include "service/update_service.h"

const wchar_t* const kServiceName = L"KelvoBrenzPlayerUpdateSvc";
const wchar_t* const kServiceDisplayName = L"Kelvo Brenz Player Update Service";

// The service control operations are not part of this build yet: each one does nothing and
// reports that nothing was done.
bool UpdateService::isInstalled() const { return false; }
bool UpdateService::start() const { return false; }
bool UpdateService::stop() const { return false; }
bool UpdateService::remove() const { return false; }
bool installCommand(const UpdateService&) { return false; }

#include "service/service_runtime.h"

// The service runtime is not part of this build yet: every start behaves as a start from a
// console, which the entry function answers by asking the service manager for the service.
bool runServiceDispatcher() { return false; }

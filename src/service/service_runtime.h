#pragma once
// Life as a Windows service.

// Hands the calling thread to the service manager. True when the process ran as the service
// (returns after the service has stopped); false when it was not started by the manager.
bool runServiceDispatcher();

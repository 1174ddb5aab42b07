#include "task/task_commands.h"

// The task commands are not part of this build yet: each one does nothing and reports that
// nothing was done.
bool createDefaultTaskCommand(const UpdateService&) { return false; }
bool deleteTaskCommand() { return false; }

#pragma once
// The scheduled task that starts the program every hour.
struct UpdateService;

bool createDefaultTaskCommand(const UpdateService& service);
bool deleteTaskCommand();

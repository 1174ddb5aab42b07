#pragma once
// The per-run object of a run without option.
#include <string>

class RunContext {
 public:
  // Keeps the executable path and reads the update policy (which may switch verbose
  // logging on); a failed read is logged and the context is complete all the same.
  explicit RunContext(std::wstring executablePath);
  const std::wstring& executablePath() const { return executablePath_; }

 private:
  std::wstring executablePath_;
};

// Set only while the service dispatcher runs; the service worker runs the cycle while set.
extern RunContext* runContext;

#pragma once
// Move-only owners of platform handles: every path that acquires a handle releases it.
#include <windows.h>

#include <utility>

namespace brenz {

template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return Traits::isValid(handle_); }

  // Closing keeps the thread's last-error value, so a failure record made after the
  // close still carries the error of the call that failed.
  void reset(Handle handle = Traits::invalid()) {
    if (Traits::isValid(handle_)) {
      const DWORD lastError = ::GetLastError();
      Traits::close(handle_);
      ::SetLastError(lastError);
    }
    handle_ = handle;
  }
  Handle release() { return std::exchange(handle_, Traits::invalid()); }
  // Address for an out-parameter; anything held is released first.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::invalid();
};

struct FileHandleTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static bool isValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { ::CloseHandle(h); }
};
using UniqueFile = UniqueHandle<HANDLE, FileHandleTraits>;

struct FindHandleTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static bool isValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { ::FindClose(h); }
};
using UniqueFind = UniqueHandle<HANDLE, FindHandleTraits>;

struct KeyHandleTraits {
  static HKEY invalid() { return nullptr; }
  static bool isValid(HKEY h) { return h != nullptr; }
  static void close(HKEY h) { ::RegCloseKey(h); }
};
using UniqueKey = UniqueHandle<HKEY, KeyHandleTraits>;

// A one-off clean-up that fits no handle type.
template <typename Function>
class ScopeExit {
 public:
  explicit ScopeExit(Function function) : function_(std::move(function)) {}
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;
  ~ScopeExit() {
    if (active_) function_();
  }
  void dismiss() { active_ = false; }

 private:
  Function function_;
  bool active_ = true;
};

}  // namespace brenz

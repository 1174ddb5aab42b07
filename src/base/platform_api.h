#pragma once
// The one seam for platform calls: each subsystem names the calls it makes in a table of
// function pointers that holds the real functions by default. A test replaces entries for
// its own scope to make a call fail; production code only ever reads the table.
namespace brenz {

template <typename Api>
Api& platformApi() {
  static Api api;
  return api;
}

template <typename Api>
class ScopedApiOverride {
 public:
  ScopedApiOverride() : saved_(platformApi<Api>()) {}
  ScopedApiOverride(const ScopedApiOverride&) = delete;
  ScopedApiOverride& operator=(const ScopedApiOverride&) = delete;
  ~ScopedApiOverride() { platformApi<Api>() = saved_; }
  Api* operator->() { return &platformApi<Api>(); }

 private:
  Api saved_;
};

}  // namespace brenz

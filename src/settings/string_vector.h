#pragma once
// Growable arrays of owned elements for the settings layer's file listings; platform-free.
#include <cstddef>
#include <string>

namespace SMImplementation {

// An array of untyped element pointers; the derived class says how an element is copied
// and freed. Neither copyable nor movable: it owns raw memory.
class PointerVector {
 public:
  static constexpr size_t kInitialCapacity = 10;

  PointerVector(const PointerVector&) = delete;
  PointerVector& operator=(const PointerVector&) = delete;
  // Frees the array only; the derived class frees the elements.
  virtual ~PointerVector();

  virtual void freeElement(void* element) = 0;
  // A new owned copy of `element`, or null when memory runs out.
  virtual void* copyElement(const void* element) = 0;

  size_t size() const { return count_; }
  size_t capacity() const { return capacity_; }
  void swapElements(size_t first, size_t second);

 protected:
  // Starts with room for kInitialCapacity elements, or none when memory runs out.
  PointerVector();
  // Appends a copy of `element`, doubling the capacity when full. False, with the vector
  // unchanged, when the copy or the larger array cannot be had.
  bool appendCopy(const void* element);
  void* elementAt(size_t index) const { return elements_[index]; }

 private:
  bool grow();

  void** elements_ = nullptr;
  size_t count_ = 0;
  size_t capacity_ = 0;
};

}  // namespace SMImplementation

namespace SASM {

// Owned narrow (UTF-8) strings.
class StringVector : public SMImplementation::PointerVector {
 public:
  StringVector() = default;
  ~StringVector() override;

  void freeElement(void* element) override;
  void* copyElement(const void* element) override;

  // False, leaving the vector unchanged, when memory runs out.
  bool append(const std::string& text) { return appendCopy(&text); }
  // `index` must be below size().
  const std::string& at(size_t index) const {
    return *static_cast<const std::string*>(elementAt(index));
  }
};

}  // namespace SASM

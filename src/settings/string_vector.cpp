#include "settings/string_vector.h"

#include <limits>
#include <new>
#include <utility>

namespace SMImplementation {

PointerVector::PointerVector() {
  elements_ = new (std::nothrow) void*[kInitialCapacity];
  if (elements_ != nullptr) capacity_ = kInitialCapacity;
}

PointerVector::~PointerVector() { delete[] elements_; }

void PointerVector::swapElements(size_t first, size_t second) {
  std::swap(elements_[first], elements_[second]);
}

bool PointerVector::appendCopy(const void* element) {
  if (count_ == capacity_ && !grow()) return false;
  void* copy = copyElement(element);
  if (copy == nullptr) return false;
  elements_[count_++] = copy;
  return true;
}

bool PointerVector::grow() {
  if (capacity_ > std::numeric_limits<size_t>::max() / 2 / sizeof(void*)) return false;
  // A vector that never got its first array starts again from the initial size.
  const size_t wanted = capacity_ == 0 ? kInitialCapacity : capacity_ * 2;
  void** larger = new (std::nothrow) void*[wanted];
  // The array is full, so the capacity that remains is the current count.
  if (larger == nullptr) return false;
  for (size_t i = 0; i < count_; ++i) larger[i] = elements_[i];
  delete[] elements_;
  elements_ = larger;
  capacity_ = wanted;
  return true;
}

}  // namespace SMImplementation

namespace SASM {

StringVector::~StringVector() {
  for (size_t i = 0; i < size(); ++i) freeElement(elementAt(i));
}

void StringVector::freeElement(void* element) { delete static_cast<std::string*>(element); }

void* StringVector::copyElement(const void* element) {
  try {
    return new std::string(*static_cast<const std::string*>(element));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace SASM

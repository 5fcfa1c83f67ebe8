#ifndef CEF_INCLUDE_BASE_CEF_REF_COUNTED_H_
#define CEF_INCLUDE_BASE_CEF_REF_COUNTED_H_

#include <atomic>
#include <cstdint>

#include "include/base/cef_build.h"

namespace base {

// Thread-safe intrusive counting for classes that are not CefBaseRefCounted (the
// message-router halves). A class T befriends RefCountedThreadSafe<T> so that its
// destructor can stay protected.
template <class T>
class RefCountedThreadSafe {
 public:
  void AddRef() const { ref_count_.fetch_add(1, std::memory_order_relaxed); }

  void Release() const {
    if (ref_count_.fetch_sub(1, std::memory_order_acq_rel) == 1)
      delete static_cast<const T*>(this);
  }

  bool HasOneRef() const { return ref_count_.load(std::memory_order_acquire) == 1; }

 protected:
  RefCountedThreadSafe() = default;
  ~RefCountedThreadSafe() = default;

 private:
  RefCountedThreadSafe(const RefCountedThreadSafe&) = delete;
  RefCountedThreadSafe& operator=(const RefCountedThreadSafe&) = delete;

  mutable std::atomic<int32_t> ref_count_{0};
};

}  // namespace base

#endif  // CEF_INCLUDE_BASE_CEF_REF_COUNTED_H_

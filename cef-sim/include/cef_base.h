#ifndef CEF_INCLUDE_CEF_BASE_H_
#define CEF_INCLUDE_CEF_BASE_H_

#include <atomic>
#include <cstdint>

#include "include/base/cef_build.h"
#include "include/base/cef_macros.h"
#include "include/internal/cef_ptr.h"
#include "include/internal/cef_string.h"
#include "include/internal/cef_types_wrappers.h"

#if defined(OS_WIN)
#include "include/internal/cef_win.h"
#else
#include "include/internal/cef_linux.h"
#endif

// Every engine and client object is counted through these operations; an object
// deletes itself when its last reference is released.
class CefBaseRefCounted {
 public:
  virtual void AddRef() const = 0;
  // True when this call released the last reference.
  virtual bool Release() const = 0;
  virtual bool HasOneRef() const = 0;
  virtual bool HasAtLeastOneRef() const = 0;

 protected:
  virtual ~CefBaseRefCounted() {}
};

// Base of objects that live for the duration of one call and are never counted.
class CefBaseScoped {
 public:
  virtual ~CefBaseScoped() {}
};

// The 32-bit atomic count behind IMPLEMENT_REFCOUNTING; it starts at 0.
class CefRefCount {
 public:
  CefRefCount() : ref_count_(0) {}

  void AddRef() const { ref_count_.fetch_add(1, std::memory_order_relaxed); }
  bool Release() const { return ref_count_.fetch_sub(1, std::memory_order_acq_rel) == 1; }
  bool HasOneRef() const { return ref_count_.load(std::memory_order_acquire) == 1; }
  bool HasAtLeastOneRef() const { return ref_count_.load(std::memory_order_acquire) >= 1; }

 private:
  mutable std::atomic<int32_t> ref_count_;
  DISALLOW_COPY_AND_ASSIGN(CefRefCount);
};

// Implements the counting operations in a class that derives from CefBaseRefCounted.
// Members declared after the macro are private.
#define IMPLEMENT_REFCOUNTING(ClassName)                                  \
 public:                                                                  \
  void AddRef() const override { ref_count_.AddRef(); }                   \
  bool Release() const override {                                         \
    if (ref_count_.Release()) {                                           \
      delete static_cast<const ClassName*>(this);                         \
      return true;                                                        \
    }                                                                     \
    return false;                                                         \
  }                                                                       \
  bool HasOneRef() const override { return ref_count_.HasOneRef(); }     \
  bool HasAtLeastOneRef() const override {                                \
    return ref_count_.HasAtLeastOneRef();                                 \
  }                                                                       \
                                                                          \
 private:                                                                 \
  CefRefCount ref_count_

#endif  // CEF_INCLUDE_CEF_BASE_H_

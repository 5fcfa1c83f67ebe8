#ifndef CEF_INCLUDE_INTERNAL_CEF_PTR_H_
#define CEF_INCLUDE_INTERNAL_CEF_PTR_H_

#include <cstddef>
#include <utility>

// Counted reference to an object with AddRef() and Release(). Only what both this
// stand-in and the engine offer is here: comparisons go through get() or nullptr, and
// there is no implicit conversion to the raw pointer. As in the engine, there are no
// move operations: std::move of a reference copies it, and the source still holds the
// object.
template <class T>
class CefRefPtr {
 public:
  typedef T element_type;

  CefRefPtr() : ptr_(nullptr) {}
  CefRefPtr(std::nullptr_t) : ptr_(nullptr) {}
  CefRefPtr(T* p) : ptr_(p) {
    if (ptr_)
      ptr_->AddRef();
  }
  CefRefPtr(const CefRefPtr<T>& r) : CefRefPtr(r.ptr_) {}
  template <typename U>
  CefRefPtr(const CefRefPtr<U>& r) : CefRefPtr(r.get()) {}

  ~CefRefPtr() {
    if (ptr_)
      ptr_->Release();
  }

  T* get() const { return ptr_; }
  T& operator*() const { return *ptr_; }
  T* operator->() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }

  CefRefPtr<T>& operator=(T* p) {
    // AddRef first: p may be the object this reference is the last owner of.
    if (p)
      p->AddRef();
    T* old = ptr_;
    ptr_ = p;
    if (old)
      old->Release();
    return *this;
  }
  CefRefPtr<T>& operator=(std::nullptr_t) { return *this = static_cast<T*>(nullptr); }
  CefRefPtr<T>& operator=(const CefRefPtr<T>& r) { return *this = r.ptr_; }
  template <typename U>
  CefRefPtr<T>& operator=(const CefRefPtr<U>& r) {
    return *this = r.get();
  }

  void swap(CefRefPtr<T>& r) noexcept { std::swap(ptr_, r.ptr_); }

 private:
  T* ptr_;
};

template <class T, class U>
bool operator==(const CefRefPtr<T>& a, const CefRefPtr<U>& b) {
  return a.get() == b.get();
}
template <class T, class U>
bool operator!=(const CefRefPtr<T>& a, const CefRefPtr<U>& b) {
  return a.get() != b.get();
}
template <class T>
bool operator==(const CefRefPtr<T>& a, std::nullptr_t) {
  return a.get() == nullptr;
}
template <class T>
bool operator==(std::nullptr_t, const CefRefPtr<T>& a) {
  return a.get() == nullptr;
}
template <class T>
bool operator!=(const CefRefPtr<T>& a, std::nullptr_t) {
  return a.get() != nullptr;
}
template <class T>
bool operator!=(std::nullptr_t, const CefRefPtr<T>& a) {
  return a.get() != nullptr;
}

// A non-owning pointer to an object that lives for the duration of one call.
template <class T>
using CefRawPtr = T*;

#endif  // CEF_INCLUDE_INTERNAL_CEF_PTR_H_

// The atomic operations the engine's include/base/cef_atomicops.h declares, for a GCC that
// targets x86 where the distribution carries no GCC implementation: a Windows distribution ships
// only MSVC's, yet MinGW is GCC and cef_atomicops.h selects the GCC header for it. The build puts
// this file where that header would be, searched after the distribution's own include root, so
// a distribution that does carry one keeps it.
//
// Each operation is the compiler's __atomic built-in with the ordering its name promises. The
// barrier-free forms are relaxed; Acquire_Store and Release_Load keep their historic meaning of
// a plain access followed (or preceded) by a full fence. The engine declares every operation once
// per width as a plain overload, so the definitions are written once, as templates, and each
// width's overloads only forward to them.
#ifndef BRIVON_CEF_MINGW_ATOMICOPS_GCC_H_
#define BRIVON_CEF_MINGW_ATOMICOPS_GCC_H_

namespace base {
namespace subtle {
namespace brivon_atomics {

template <typename T>
inline T CompareAndSwap(volatile T* ptr, T old_value, T new_value, int success, int failure) {
  // On failure the built-in writes the value it found into old_value; on success old_value
  // already is it. Either way the caller gets the value that was there before.
  __atomic_compare_exchange_n(ptr, &old_value, new_value, false, success, failure);
  return old_value;
}
template <typename T>
inline void StoreThenFence(volatile T* ptr, T value) {
  __atomic_store_n(ptr, value, __ATOMIC_RELAXED);
  __atomic_thread_fence(__ATOMIC_SEQ_CST);
}
template <typename T>
inline T FenceThenLoad(volatile const T* ptr) {
  __atomic_thread_fence(__ATOMIC_SEQ_CST);
  return __atomic_load_n(ptr, __ATOMIC_RELAXED);
}

}  // namespace brivon_atomics

inline void MemoryBarrier() {
  __atomic_thread_fence(__ATOMIC_SEQ_CST);
}

// The overloads of one width.
#define BRIVON_ATOMIC_OPERATIONS(T)                                                              \
  inline T NoBarrier_CompareAndSwap(volatile T* ptr, T old_value, T new_value) {                 \
    return brivon_atomics::CompareAndSwap(ptr, old_value, new_value, __ATOMIC_RELAXED,           \
                                          __ATOMIC_RELAXED);                                     \
  }                                                                                              \
  inline T NoBarrier_AtomicExchange(volatile T* ptr, T new_value) {                              \
    return __atomic_exchange_n(ptr, new_value, __ATOMIC_RELAXED);                                \
  }                                                                                              \
  inline T NoBarrier_AtomicIncrement(volatile T* ptr, T increment) {                             \
    return __atomic_add_fetch(ptr, increment, __ATOMIC_RELAXED);                                 \
  }                                                                                              \
  inline T Barrier_AtomicIncrement(volatile T* ptr, T increment) {                               \
    return __atomic_add_fetch(ptr, increment, __ATOMIC_SEQ_CST);                                 \
  }                                                                                              \
  inline T Acquire_CompareAndSwap(volatile T* ptr, T old_value, T new_value) {                   \
    return brivon_atomics::CompareAndSwap(ptr, old_value, new_value, __ATOMIC_ACQUIRE,           \
                                          __ATOMIC_ACQUIRE);                                     \
  }                                                                                              \
  inline T Release_CompareAndSwap(volatile T* ptr, T old_value, T new_value) {                   \
    return brivon_atomics::CompareAndSwap(ptr, old_value, new_value, __ATOMIC_RELEASE,           \
                                          __ATOMIC_RELAXED);                                     \
  }                                                                                              \
  inline void NoBarrier_Store(volatile T* ptr, T value) {                                        \
    __atomic_store_n(ptr, value, __ATOMIC_RELAXED);                                              \
  }                                                                                              \
  inline void Acquire_Store(volatile T* ptr, T value) {                                            \
    brivon_atomics::StoreThenFence(ptr, value);                                                    \
  }                                                                                                \
  inline void Release_Store(volatile T* ptr, T value) {                                          \
    __atomic_store_n(ptr, value, __ATOMIC_RELEASE);                                              \
  }                                                                                              \
  inline T NoBarrier_Load(volatile const T* ptr) {                                                 \
    return __atomic_load_n(ptr, __ATOMIC_RELAXED);                                                 \
  }                                                                                                \
  inline T Acquire_Load(volatile const T* ptr) { return __atomic_load_n(ptr, __ATOMIC_ACQUIRE); } \
  inline T Release_Load(volatile const T* ptr) { return brivon_atomics::FenceThenLoad(ptr); }

BRIVON_ATOMIC_OPERATIONS(Atomic32)
#ifdef ARCH_CPU_64_BITS
BRIVON_ATOMIC_OPERATIONS(Atomic64)
#endif

#undef BRIVON_ATOMIC_OPERATIONS

}  // namespace subtle
}  // namespace base

#endif  // BRIVON_CEF_MINGW_ATOMICOPS_GCC_H_

// The atomic operations the engine's include/base/cef_atomicops.h declares, for a GCC that
// targets x86 where the distribution carries no GCC implementation: a Windows distribution ships
// only MSVC's, yet MinGW is GCC and cef_atomicops.h selects the GCC header for it. The build puts
// this file where that header would be, searched after the distribution's own include root, so
// a distribution that does carry one keeps it.
//
// Each operation is the compiler's __atomic built-in with the ordering its name promises. The
// barrier-free forms are relaxed; Acquire_Store and Release_Load keep their historic meaning of
// a plain access followed (or preceded) by a full fence.
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

}  // namespace brivon_atomics

inline Atomic32 NoBarrier_CompareAndSwap(volatile Atomic32* ptr, Atomic32 old_value,
                                         Atomic32 new_value) {
  return brivon_atomics::CompareAndSwap(ptr, old_value, new_value, __ATOMIC_RELAXED,
                                        __ATOMIC_RELAXED);
}
inline Atomic32 NoBarrier_AtomicExchange(volatile Atomic32* ptr, Atomic32 new_value) {
  return __atomic_exchange_n(ptr, new_value, __ATOMIC_RELAXED);
}
inline Atomic32 NoBarrier_AtomicIncrement(volatile Atomic32* ptr, Atomic32 increment) {
  return __atomic_add_fetch(ptr, increment, __ATOMIC_RELAXED);
}
inline Atomic32 Barrier_AtomicIncrement(volatile Atomic32* ptr, Atomic32 increment) {
  return __atomic_add_fetch(ptr, increment, __ATOMIC_SEQ_CST);
}
inline Atomic32 Acquire_CompareAndSwap(volatile Atomic32* ptr, Atomic32 old_value,
                                       Atomic32 new_value) {
  return brivon_atomics::CompareAndSwap(ptr, old_value, new_value, __ATOMIC_ACQUIRE,
                                        __ATOMIC_ACQUIRE);
}
inline Atomic32 Release_CompareAndSwap(volatile Atomic32* ptr, Atomic32 old_value,
                                       Atomic32 new_value) {
  return brivon_atomics::CompareAndSwap(ptr, old_value, new_value, __ATOMIC_RELEASE,
                                        __ATOMIC_RELAXED);
}
inline void MemoryBarrier() {
  __atomic_thread_fence(__ATOMIC_SEQ_CST);
}
inline void NoBarrier_Store(volatile Atomic32* ptr, Atomic32 value) {
  __atomic_store_n(ptr, value, __ATOMIC_RELAXED);
}
inline void Acquire_Store(volatile Atomic32* ptr, Atomic32 value) {
  __atomic_store_n(ptr, value, __ATOMIC_RELAXED);
  __atomic_thread_fence(__ATOMIC_SEQ_CST);
}
inline void Release_Store(volatile Atomic32* ptr, Atomic32 value) {
  __atomic_store_n(ptr, value, __ATOMIC_RELEASE);
}
inline Atomic32 NoBarrier_Load(volatile const Atomic32* ptr) {
  return __atomic_load_n(ptr, __ATOMIC_RELAXED);
}
inline Atomic32 Acquire_Load(volatile const Atomic32* ptr) {
  return __atomic_load_n(ptr, __ATOMIC_ACQUIRE);
}
inline Atomic32 Release_Load(volatile const Atomic32* ptr) {
  __atomic_thread_fence(__ATOMIC_SEQ_CST);
  return __atomic_load_n(ptr, __ATOMIC_RELAXED);
}

#ifdef ARCH_CPU_64_BITS
inline Atomic64 NoBarrier_CompareAndSwap(volatile Atomic64* ptr, Atomic64 old_value,
                                         Atomic64 new_value) {
  return brivon_atomics::CompareAndSwap(ptr, old_value, new_value, __ATOMIC_RELAXED,
                                        __ATOMIC_RELAXED);
}
inline Atomic64 NoBarrier_AtomicExchange(volatile Atomic64* ptr, Atomic64 new_value) {
  return __atomic_exchange_n(ptr, new_value, __ATOMIC_RELAXED);
}
inline Atomic64 NoBarrier_AtomicIncrement(volatile Atomic64* ptr, Atomic64 increment) {
  return __atomic_add_fetch(ptr, increment, __ATOMIC_RELAXED);
}
inline Atomic64 Barrier_AtomicIncrement(volatile Atomic64* ptr, Atomic64 increment) {
  return __atomic_add_fetch(ptr, increment, __ATOMIC_SEQ_CST);
}
inline Atomic64 Acquire_CompareAndSwap(volatile Atomic64* ptr, Atomic64 old_value,
                                       Atomic64 new_value) {
  return brivon_atomics::CompareAndSwap(ptr, old_value, new_value, __ATOMIC_ACQUIRE,
                                        __ATOMIC_ACQUIRE);
}
inline Atomic64 Release_CompareAndSwap(volatile Atomic64* ptr, Atomic64 old_value,
                                       Atomic64 new_value) {
  return brivon_atomics::CompareAndSwap(ptr, old_value, new_value, __ATOMIC_RELEASE,
                                        __ATOMIC_RELAXED);
}
inline void NoBarrier_Store(volatile Atomic64* ptr, Atomic64 value) {
  __atomic_store_n(ptr, value, __ATOMIC_RELAXED);
}
inline void Acquire_Store(volatile Atomic64* ptr, Atomic64 value) {
  __atomic_store_n(ptr, value, __ATOMIC_RELAXED);
  __atomic_thread_fence(__ATOMIC_SEQ_CST);
}
inline void Release_Store(volatile Atomic64* ptr, Atomic64 value) {
  __atomic_store_n(ptr, value, __ATOMIC_RELEASE);
}
inline Atomic64 NoBarrier_Load(volatile const Atomic64* ptr) {
  return __atomic_load_n(ptr, __ATOMIC_RELAXED);
}
inline Atomic64 Acquire_Load(volatile const Atomic64* ptr) {
  return __atomic_load_n(ptr, __ATOMIC_ACQUIRE);
}
inline Atomic64 Release_Load(volatile const Atomic64* ptr) {
  __atomic_thread_fence(__ATOMIC_SEQ_CST);
  return __atomic_load_n(ptr, __ATOMIC_RELAXED);
}
#endif  // ARCH_CPU_64_BITS

}  // namespace subtle
}  // namespace base

#endif  // BRIVON_CEF_MINGW_ATOMICOPS_GCC_H_

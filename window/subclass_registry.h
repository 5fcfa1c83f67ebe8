#pragma once
// What the custom frame and the input hook share: a process-wide map from subclassed window to
// its record, guarded by a reader-writer lock, and the parts of a subclassing procedure that do
// not depend on what it is for.
//
// Records are handed out as shared pointers copied under the shared lock, so a window
// procedure that found a record keeps it alive for as long as it runs, even when another
// thread erases the entry meanwhile. The lock is never held while client code, a saved
// window procedure or the system's default processing runs: callers get the record and
// the lock is already released.
//
// A window's procedures form a chain: each subclasser saved the one it replaced and calls it.
// Putting the saved procedure back is only right while ours is the window's current procedure;
// once someone subclassed the window after us, their saved procedure is ours, and replacing
// the current one would cut them (and everyone above them) out. Undone in that state, a record
// passes every message straight to its saved procedure instead, and is taken out of the chain
// as soon as ours is the window's current procedure again. So a procedure of ours is in a
// window's chain exactly while the registry holds a record for the window, and a destroyed
// window's records go with its WM_NCDESTROY.

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <shared_mutex>

namespace panehost {

struct SubclassRecord {
  WNDPROC savedProcedure = nullptr;
  // Undone while our procedure was not the window's current one: hand everything on.
  std::atomic<bool> passThrough{false};
};

// Record derives from SubclassRecord; `procedure` is the subclassing procedure of this kind.
template <typename Record>
class SubclassRegistry {
 public:
  using RecordPtr = std::shared_ptr<Record>;
  using Fallback = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

  enum class Install { Added, AlreadyPresent, Failed };

  explicit SubclassRegistry(WNDPROC procedure) : procedure_(procedure) {}

  RecordPtr find(HWND hwnd) const {
    std::shared_lock<std::shared_mutex> lock(mutex_);
    auto it = records_.find(key(hwnd));
    return it == records_.end() ? nullptr : it->second;
  }

  // Tests only: how many windows have a record, in force or passing messages on.
  std::size_t sizeForTesting() const {
    std::shared_lock<std::shared_mutex> lock(mutex_);
    return records_.size();
  }

  // Subclasses the window with the record that `make` returns (it runs under the exclusive
  // lock, so that replacing the window procedure and inserting the record are one step for
  // every other thread). A window with a record in force keeps it. A window whose record only
  // passes messages on still has our procedure in its chain: the new record takes the old
  // one's place there, and the window procedure is not touched.
  template <typename Make>
  Install install(HWND hwnd, Make make) {
    std::unique_lock<std::shared_mutex> lock(mutex_);
    const auto k = key(hwnd);
    auto it = records_.find(k);
    if (it != records_.end() && !it->second->passThrough) return Install::AlreadyPresent;
    RecordPtr record;
    try {
      record = make();
      if (it == records_.end()) it = records_.emplace(k, nullptr).first;  // may throw: nothing changed yet
    } catch (const std::bad_alloc&) {
      return Install::Failed;
    }
    if (it->second) {
      record->savedProcedure = it->second->savedProcedure;
    } else {
      const LONG_PTR previous = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure_));
      if (previous == 0) {
        records_.erase(it);
        return Install::Failed;
      }
      record->savedProcedure = reinterpret_cast<WNDPROC>(previous);
    }
    it->second = std::move(record);
    return Install::Added;
  }

  // Undoes `record` when it is still the window's: takes our procedure out of the chain and
  // drops the record, or, when someone subclassed the window after us, leaves the record
  // passing messages on. A destroyed window's record is only dropped.
  void remove(HWND hwnd, const RecordPtr& record) {
    std::unique_lock<std::shared_mutex> lock(mutex_);
    auto it = records_.find(key(hwnd));
    if (it == records_.end() || it->second != record) return;  // undone or replaced meanwhile
    if (!IsWindow(hwnd) || unhook(hwnd, *record)) {
      records_.erase(it);
    } else {
      record->passThrough = true;
    }
  }

  // The body of the kind's window procedure. `handle` does the kind's work for a record in
  // force and returns the message's result. `fallback` answers a message that finds no record
  // while ours is still the window's procedure, which no sequence of our own calls leaves
  // behind.
  template <typename Handle>
  LRESULT dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Handle handle, Fallback fallback) {
    const RecordPtr record = find(hwnd);
    if (!record) return withoutRecord(hwnd, message, wParam, lParam, fallback);
    LRESULT result;
    if (record->passThrough) {
      if (currentProcedure(hwnd) == procedure_) takeOutPassThrough(hwnd, record);
      result = CallWindowProcW(record->savedProcedure, hwnd, message, wParam, lParam);
    } else {
      result = handle(*record);
    }
    // Nothing reaches a window after WM_NCDESTROY, and its handle value may come back with
    // another window.
    if (message == WM_NCDESTROY) forget(hwnd);
    return result;
  }

 private:
  static std::uintptr_t key(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }
  static WNDPROC currentProcedure(HWND hwnd) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  }

  // Under the exclusive lock. Puts the saved procedure back when ours is the current one.
  bool unhook(HWND hwnd, const Record& record) {
    if (currentProcedure(hwnd) != procedure_) return false;
    const LONG_PTR replaced =
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.savedProcedure));
    if (reinterpret_cast<WNDPROC>(replaced) == procedure_) return true;
    // Another thread subclassed the window between the two calls: theirs goes back on top,
    // and ours stays below it.
    if (replaced != 0) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, replaced);
    return false;
  }

  void takeOutPassThrough(HWND hwnd, const RecordPtr& record) {
    std::unique_lock<std::shared_mutex> lock(mutex_);
    auto it = records_.find(key(hwnd));
    if (it != records_.end() && it->second == record && record->passThrough && unhook(hwnd, *record)) {
      records_.erase(it);
    }
  }

  void forget(HWND hwnd) {
    std::unique_lock<std::shared_mutex> lock(mutex_);
    auto it = records_.find(key(hwnd));
    if (it == records_.end()) return;
    unhook(hwnd, *it->second);
    records_.erase(it);
  }

  LRESULT withoutRecord(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Fallback fallback) {
    // Another thread took our procedure out after this message was dispatched to it: the
    // message belongs to the procedure now in place.
    const WNDPROC current = currentProcedure(hwnd);
    if (current && current != procedure_) return CallWindowProcW(current, hwnd, message, wParam, lParam);
    return fallback(hwnd, message, wParam, lParam);
  }

  const WNDPROC procedure_;
  mutable std::shared_mutex mutex_;
  std::map<std::uintptr_t, RecordPtr> records_;
};

}  // namespace panehost

#pragma once
// A process-wide map from subclassed window to its record, guarded by a reader-writer lock.
//
// Records are handed out as shared pointers copied under the shared lock, so a window
// procedure that found a record keeps it alive for as long as it runs, even when another
// thread erases the entry meanwhile. The lock is never held while client code, a saved
// window procedure or the system's default processing runs: callers get the record and
// the lock is already released.

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <shared_mutex>

namespace panehost {

template <typename Record>
class SubclassRegistry {
 public:
  using RecordPtr = std::shared_ptr<Record>;

  enum class Insert { Added, AlreadyPresent, Failed };

  RecordPtr find(HWND hwnd) const {
    std::shared_lock<std::shared_mutex> lock(mutex_);
    auto it = records_.find(key(hwnd));
    return it == records_.end() ? nullptr : it->second;
  }

  // `make` runs under the exclusive lock, only when the window has no record yet, so that
  // replacing the window procedure and inserting the record are one step for every other
  // thread. It returns null when the window cannot be subclassed.
  template <typename Make>
  Insert insertIfAbsent(HWND hwnd, Make make) {
    std::unique_lock<std::shared_mutex> lock(mutex_);
    const auto k = key(hwnd);
    if (records_.count(k) != 0) return Insert::AlreadyPresent;
    RecordPtr record = make();
    if (!record) return Insert::Failed;
    records_.emplace(k, std::move(record));
    return Insert::Added;
  }

  // Erases the entry only while it still holds `record`: a detach that raced with a
  // detach and a fresh attach must not drop the newer record.
  void erase(HWND hwnd, const RecordPtr& record) {
    std::unique_lock<std::shared_mutex> lock(mutex_);
    auto it = records_.find(key(hwnd));
    if (it != records_.end() && it->second == record) records_.erase(it);
  }

 private:
  static std::uintptr_t key(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }

  mutable std::shared_mutex mutex_;
  std::map<std::uintptr_t, RecordPtr> records_;
};

}  // namespace panehost

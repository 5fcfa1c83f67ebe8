#include "query/pending_queries.h"

#include <map>
#include <mutex>
#include <utility>

namespace brivon {
namespace {

std::mutex& TableMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<int64_t, CefRefPtr<QueryCallback>>& Pending() {
  static std::map<int64_t, CefRefPtr<QueryCallback>> table;
  return table;
}

}  // namespace

void AddPendingQuery(int64_t query_id, CefRefPtr<QueryCallback> callback) {
  CefRefPtr<QueryCallback> replaced;
  std::lock_guard<std::mutex> lock(TableMutex());
  CefRefPtr<QueryCallback>& slot = Pending()[query_id];
  // The replaced callback is released after the lock, in `replaced`'s destructor.
  replaced = std::move(slot);
  slot = std::move(callback);
}

CefRefPtr<QueryCallback> TakePendingQuery(int64_t query_id) {
  std::lock_guard<std::mutex> lock(TableMutex());
  auto it = Pending().find(query_id);
  if (it == Pending().end()) return nullptr;
  CefRefPtr<QueryCallback> callback = std::move(it->second);
  Pending().erase(it);
  return callback;
}

void DropPendingQuery(int64_t query_id) { TakePendingQuery(query_id); }

size_t PendingQueryCount() {
  std::lock_guard<std::mutex> lock(TableMutex());
  return Pending().size();
}

void ClearPendingQueries() {
  std::map<int64_t, CefRefPtr<QueryCallback>> released;
  {
    std::lock_guard<std::mutex> lock(TableMutex());
    released.swap(Pending());
  }
}

}  // namespace brivon

// The pending-query table: the router's answer callback of every query Java has not answered
// yet, by query id.
//
// Java answers from any thread it likes (worker threads included), so every operation takes
// the table's lock; the router's callbacks themselves take answers on any thread and move
// them to the engine's UI thread.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/prelude.h"
#include "include/wrapper/cef_message_router.h"

namespace brivon {

using QueryCallback = CefMessageRouterBrowserSide::Callback;

// Stores the callback under the id, releasing whatever the id held.
void AddPendingQuery(int64_t query_id, CefRefPtr<QueryCallback> callback);

// Removes the id's entry and hands its callback over; null when there is none. Of several
// threads answering one id at once, exactly one gets the callback.
CefRefPtr<QueryCallback> TakePendingQuery(int64_t query_id);

// Drops the id's entry, if any (a cancelled query: its callback accepts no answer any more).
void DropPendingQuery(int64_t query_id);

size_t PendingQueryCount();

// Releases every callback still held (shutdown, after the engine has shut down).
void ClearPendingQueries();

}  // namespace brivon

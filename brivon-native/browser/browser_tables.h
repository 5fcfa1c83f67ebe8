// Browsers by the id Java knows them by. Pumping thread only.
#pragma once

#include <cstdint>
#include <map>

#include "engine/prelude.h"
#include "include/cef_browser.h"

namespace brivon {

using BrowserTable = std::map<int64_t, CefRefPtr<CefBrowser>>;

// The engine's 32-bit identifier widened with its sign, as Java holds it.
int64_t BrowserId(const CefRefPtr<CefBrowser>& browser);

// Every browser the engine reported created and not yet closed.
BrowserTable& Browsers();
// Only the browsers Java created itself.
BrowserTable& ManagedBrowsers();

// The browser Java names with `id` (all 64 bits compared), or null.
CefRefPtr<CefBrowser> FindBrowser(int64_t id);

// Keeps `browser` under its id, releasing whatever the table held there.
void StoreBrowser(BrowserTable& table, const CefRefPtr<CefBrowser>& browser);

// Java asked the browser to close: until the engine reports it closed it still works, but
// nothing more is sent to it on Java's behalf (input, drags).
void MarkClosing(int64_t id);
bool IsClosing(int64_t id);

// Drops the id from both tables and the closing set, releasing the browsers they held.
void ForgetBrowser(int64_t id);

// Drops both tables' entries and the closing set, releasing the browsers.
void ClearBrowserTables();

}  // namespace brivon

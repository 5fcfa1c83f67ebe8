// The host that Java's input and drags for a browser go to. Pumping thread only.
#pragma once

#include <jni.h>

#include "browser/browser_tables.h"
#include "engine/prelude.h"
#include "include/cef_browser.h"

namespace brivon {

// Null when the id names no browser, or one that Java asked to close: input that arrives
// while the engine winds a browser down is dropped rather than reaching a page being torn down.
inline CefRefPtr<CefBrowserHost> InputHost(jlong id) {
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  if (!browser || IsClosing(id)) return nullptr;
  return browser->GetHost();
}

// A mouse event as the engine takes it.
inline CefMouseEvent MouseEvent(jint x, jint y, uint32 modifiers) {
  CefMouseEvent event;
  event.x = x;
  event.y = y;
  event.modifiers = modifiers;
  return event;
}

}  // namespace brivon

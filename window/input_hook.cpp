// Child-window input hook: every message that reaches a hooked child's procedure is also
// posted, renumbered, to a target window.
//
// The hook procedure runs on the child's thread; hooking and unhooking may run on any
// thread of the process.

#include "panehost.h"
#include "subclass_registry.h"

namespace panehost {
namespace {

// Offsets at or below WM_USER would land the copies among the system's own messages.
constexpr int kLowestOffsetExclusive = WM_USER;

struct InputHookRecord {
  HWND target;
  HWND child;
  WNDPROC savedProcedure;
  int messageOffset;
};

SubclassRegistry<InputHookRecord>& registry() {
  static SubclassRegistry<InputHookRecord> hooks;
  return hooks;
}

// The lookups release the lock before anything else runs: default processing, like the
// child's own procedure, may send messages to hooked windows, whose lookups must not queue
// behind a waiting writer.
LRESULT CALLBACK hookProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto record = registry().find(hwnd);
  if (!record) {
    // An unhook on another thread put the child's own procedure back after this message was
    // dispatched to us: the message is that procedure's.
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    if (current && current != &hookProcedure) return CallWindowProcW(current, hwnd, message, wParam, lParam);
    // Our procedure is in place: a hook may still hold the lock to insert the record.
    record = registry().find(hwnd);
    if (!record) return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  PostMessageW(record->target, message + static_cast<UINT>(record->messageOffset), wParam, lParam);
  return CallWindowProcW(record->savedProcedure, hwnd, message, wParam, lParam);
}

}  // namespace
}  // namespace panehost

using panehost::InputHookRecord;

extern "C" PANEHOST_API int hookChildWindowInput(HWND target, HWND child, int messageOffset) {
  if (!IsWindow(target) || !IsWindow(child)) return -1;
  if (messageOffset <= panehost::kLowestOffsetExclusive) return -2;
  // A hooked child keeps its first record and its procedure: installing the hook procedure
  // again would cut out anyone who subclassed the child after us.
  const auto inserted = panehost::registry().insertIfAbsent(child, [&]() -> std::shared_ptr<InputHookRecord> {
    const LONG_PTR previous =
        SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&panehost::hookProcedure));
    if (previous == 0) return nullptr;
    return std::make_shared<InputHookRecord>(
        InputHookRecord{target, child, reinterpret_cast<WNDPROC>(previous), messageOffset});
  });
  return inserted == panehost::SubclassRegistry<InputHookRecord>::Insert::Failed ? -3 : 1;
}

extern "C" PANEHOST_API void unhookChildWindowInput(HWND child) {
  const auto record = panehost::registry().find(child);
  if (!record) return;
  if (IsWindow(child)) SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->savedProcedure));
  panehost::registry().erase(child, record);
}

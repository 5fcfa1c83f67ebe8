// Child-window input hook: every message that reaches a hooked child's procedure is also
// posted, renumbered, to a target window.
//
// The hook procedure runs on the child's thread; hooking and unhooking may run on any
// thread of the process.

#include "input_hook.h"

#include "panehost.h"
#include "subclass_registry.h"

namespace panehost {
namespace {

// Offsets at or below WM_USER would land the copies among the system's own messages.
constexpr int kLowestOffsetExclusive = WM_USER;

struct InputHookRecord : SubclassRecord {
  HWND target;
  HWND child;
  int messageOffset;
};

LRESULT CALLBACK hookProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

SubclassRegistry<InputHookRecord>& registry() {
  static SubclassRegistry<InputHookRecord> hooks(&hookProcedure);
  return hooks;
}

// The lookups release the lock before anything else runs: default processing, like the
// child's own procedure, may send messages to hooked windows, whose lookups must not queue
// behind a waiting writer.
LRESULT CALLBACK hookProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return registry().dispatch(
      hwnd, message, wParam, lParam,
      [&](InputHookRecord& record) {
        PostMessageW(record.target, message + static_cast<UINT>(record.messageOffset), wParam, lParam);
        return CallWindowProcW(record.savedProcedure, hwnd, message, wParam, lParam);
      },
      &DefWindowProcW);
}

}  // namespace

bool hasInputHookRecordForTesting(HWND hwnd) { return registry().find(hwnd) != nullptr; }

std::size_t inputHookRecordCountForTesting() { return registry().sizeForTesting(); }

}  // namespace panehost

using panehost::InputHookRecord;

extern "C" PANEHOST_API int hookChildWindowInput(HWND target, HWND child, int messageOffset) {
  if (!IsWindow(target) || !IsWindow(child)) return -1;
  if (messageOffset <= panehost::kLowestOffsetExclusive) return -2;
  // A hooked child keeps its first record and its procedure: installing the hook procedure
  // again would cut out anyone who subclassed the child after us.
  const auto inserted = panehost::registry().install(child, [&] {
    auto record = std::make_shared<InputHookRecord>();
    record->target = target;
    record->child = child;
    record->messageOffset = messageOffset;
    return record;
  });
  return inserted == panehost::SubclassRegistry<InputHookRecord>::Install::Failed ? -3 : 1;
}

extern "C" PANEHOST_API void unhookChildWindowInput(HWND child) {
  if (const auto record = panehost::registry().find(child)) panehost::registry().remove(child, record);
}

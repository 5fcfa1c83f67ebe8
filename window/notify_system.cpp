#include "notify_system.h"

#include <atomic>

namespace panehost {
namespace {

BOOL systemShellNotifyIcon(DWORD message, NOTIFYICONDATAW* data) { return Shell_NotifyIconW(message, data); }
UINT_PTR systemSetTimer(HWND hwnd, UINT_PTR id, UINT elapse) { return SetTimer(hwnd, id, elapse, nullptr); }
BOOL systemKillTimer(HWND hwnd, UINT_PTR id) { return KillTimer(hwnd, id); }

const NotifySystem kSystem{systemShellNotifyIcon, systemSetTimer, systemKillTimer};
std::atomic<const NotifySystem*> current{&kSystem};

}  // namespace

const NotifySystem& notifySystem() { return *current.load(); }

void setNotifySystemForTesting(const NotifySystem* system) { current.store(system ? system : &kSystem); }

}  // namespace panehost

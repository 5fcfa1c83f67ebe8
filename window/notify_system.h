#pragma once
// The system calls behind the notification-area icon and its flash timer. Tests swap them
// for recorders, because neither the records the shell receives nor a timer's interval can
// be read back from the system.

#include <windows.h>
#include <shellapi.h>

namespace panehost {

struct NotifySystem {
  BOOL (*shellNotifyIcon)(DWORD message, NOTIFYICONDATAW* data);
  UINT_PTR (*setTimer)(HWND hwnd, UINT_PTR id, UINT elapse);
  BOOL (*killTimer)(HWND hwnd, UINT_PTR id);
};

const NotifySystem& notifySystem();

// Tests only: null puts the system's functions back.
void setNotifySystemForTesting(const NotifySystem* system);

}  // namespace panehost

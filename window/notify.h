#pragma once
// The parts of the notification-area icon that the window object's own code drives.

struct HostWindow;

namespace panehost {

// WM_TIMER with the flash timer's identifier, on the window's thread.
void flashTick(HostWindow& window);

// Takes the icon out of the notification area and drops its record; nothing without one.
void removeNotifyIcon(HostWindow& window);

}  // namespace panehost

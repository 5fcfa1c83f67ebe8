/* panehost: native window support for the 64-bit Java client.
 *
 * Plain C exports with unmangled names, loaded at run time by the client. Every export listed
 * here is also named in panehost.exports, which the artifact check compares with the DLL. */
#ifndef PANEHOST_H
#define PANEHOST_H

#include <stdbool.h>
#include <stdint.h>
#include <windows.h>

#ifdef PANEHOST_BUILDING
#define PANEHOST_API __declspec(dllexport)
#else
#define PANEHOST_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Window objects, their message loop and their notification-area icon.
 *
 * A HostWindow is owned by the library from createWindow to destroyWindow. Its native window
 * belongs to the thread that ran createWindowHandle (the owner thread); the message function,
 * the hit-test function of a custom frame and the icon's flash timer all run there. */

/* Opaque to clients. */
typedef struct HostWindow HostWindow;

/* The client's window procedure for every message that the library does not handle itself
 * (WM_PAINT, the flash timer 1 and the messages sent before CreateWindowExW returned never
 * reach it). The client does its own default processing. */
typedef LRESULT(CALLBACK* WindowMessageCallback)(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

/* Whether a point of an attached window is caption: the window rectangle and the point, all in
 * screen coordinates; nonzero for caption, zero for client area. Runs on the window's thread. */
typedef int(CALLBACK* HitTestCallback)(int left, int top, int right, int bottom, int x, int y);

/* A new window object without a native window; null when className or title is null or memory
 * runs out. messageCallback may be null: the window then gets DefWindowProcW. customFrame
 * nonzero attaches the window at creation, with 5-pixel resize zones when resizable. */
PANEHOST_API HostWindow* createWindow(HWND parent, const wchar_t* className, const wchar_t* title, int customFrame,
                                      int resizable, WindowMessageCallback messageCallback);

/* Creates the hidden native window on the calling thread, which becomes the owner thread; a
 * window that exists already is returned as it is. Null when creation failed. */
PANEHOST_API HWND createWindowHandle(HostWindow* window, int x, int y, int width, int height);

/* Runs the owner thread's message loop until WM_QUIT. On any other thread, or before
 * createWindowHandle, writes a line to standard error and returns at once. */
PANEHOST_API void runWindowMessageLoop(HostWindow* window);

/* Removes the icon, detaches and destroys the native window, unregisters the class where this
 * object registered it (also when the native window is gone already) and frees the object. Null
 * does nothing. While the native window lives, only its owner thread may destroy it: called on
 * another thread, destroyWindow does nothing at all and the object stays valid, to be destroyed
 * from the owner thread. Once the window is gone (destroyed by the client, or with its thread),
 * any thread may free the object. */
PANEHOST_API void destroyWindow(HostWindow* window);

/* Adds the window's one notification-area icon: the executable's icon resource iconId, the
 * tooltip (may be null; cut to 127 characters) and the callback message through which the
 * system reports mouse activity as (window, callbackMessage, iconId, mouse message). A second
 * call, or a call before createWindowHandle or after the native window is gone, changes
 * nothing. */
PANEHOST_API void createWindowNotify(HostWindow* window, UINT callbackMessage, UINT iconId, const wchar_t* tooltip);

/* Starts (nonzero flash; again to change the interval) or stops the icon's blinking, every
 * interval milliseconds but at least every 200. Owner thread only: a start on another thread
 * changes nothing. After a stop the icon is shown again on the next tick. Nothing happens
 * without an icon. */
PANEHOST_API void flashWindowNotify(HostWindow* window, int flash, int interval);

/* Custom frame and child-window input hook. Any thread of the process may call these. */

/* Gives the window a borderless frame: resize zones of borderWidth pixels along its edges (none
 * when 0 or less), caption where hitTest says so, the work area when maximized, and double
 * clicks on the non-client area swallowed when ignoreCaptionDoubleClick is nonzero. Leaves the
 * window hidden. 1: attached (or attached already: the first settings stay); -1: not a window;
 * -2: no hitTest; -3: the window procedure cannot be replaced (a window of another process). */
PANEHOST_API int attach(HWND window, HitTestCallback hitTest, int borderWidth, int ignoreCaptionDoubleClick);

/* Restores the window's procedure, styles and frame, and shows it. Nothing for a window never
 * attached. When someone subclassed the window after attach, their procedure stays in force and
 * the frame procedure stays below it, passing every message on, until it can leave the chain.
 * A window's records go when it is destroyed. */
PANEHOST_API void detach(HWND window);

/* Every message that reaches the child's procedure is also posted to target as message +
 * messageOffset with the same parameters; the child works on as before. 1: hooked (or hooked
 * already: the first target and offset stay); -1: either handle is not a window; -2: offset
 * 1024 (WM_USER) or less; -3: the child's procedure cannot be replaced. */
PANEHOST_API int hookChildWindowInput(HWND target, HWND child, int messageOffset);

/* Restores the child's procedure; under a later subclasser, as detach does. Nothing for a child
 * never hooked. */
PANEHOST_API void unhookChildWindowInput(HWND child);

/* DPI query and clipboard image. */

/* The DPI the system applies to the window; 0 when none can be obtained (the caller picks its
 * own default). */
PANEHOST_API uint32_t getDpiForWindow(HWND window);

/* Puts the image file at path (UTF-16, null-terminated) on the clipboard: images with alpha as
 * CF_DIBV5, all others as CF_BITMAP. True when the image is on the clipboard; false leaves the
 * clipboard as it was when the file could not be decoded. */
PANEHOST_API bool copyImageToClipboard(const wchar_t* path);

#ifdef __cplusplus
}
#endif

#endif /* PANEHOST_H */

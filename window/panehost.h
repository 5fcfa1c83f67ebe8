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

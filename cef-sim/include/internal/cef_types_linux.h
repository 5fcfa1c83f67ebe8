#ifndef CEF_INCLUDE_INTERNAL_CEF_TYPES_LINUX_H_
#define CEF_INCLUDE_INTERNAL_CEF_TYPES_LINUX_H_

#include "include/base/cef_build.h"

#if !defined(OS_WIN)

#include "include/internal/cef_string.h"

#ifdef __cplusplus
extern "C" {
#endif

// The stand-in runs on Linux; it keeps the Windows member names of the window
// information so that code written for Windows sets the same fields here.
typedef unsigned long cef_window_handle_t;
typedef unsigned long cef_cursor_handle_t;
typedef void* cef_event_handle_t;

typedef struct _cef_main_args_t {
  int argc;
  char** argv;
} cef_main_args_t;

typedef struct _cef_window_info_t {
  uint32 ex_style;
  cef_string_t window_name;
  uint32 style;
  int x;
  int y;
  int width;
  int height;
  cef_window_handle_t parent_window;
  int windowless_rendering_enabled;
  int shared_texture_enabled;
  int external_begin_frame_enabled;
  cef_window_handle_t window;
} cef_window_info_t;

#ifdef __cplusplus
}
#endif

#endif  // !OS_WIN

#endif  // CEF_INCLUDE_INTERNAL_CEF_TYPES_LINUX_H_

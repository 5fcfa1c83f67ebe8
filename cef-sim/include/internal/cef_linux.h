#ifndef CEF_INCLUDE_INTERNAL_CEF_LINUX_H_
#define CEF_INCLUDE_INTERNAL_CEF_LINUX_H_

#include "include/base/cef_build.h"

#if !defined(OS_WIN)

#include "include/internal/cef_types_linux.h"
#include "include/internal/cef_types_wrappers.h"

#define CefCursorHandle cef_cursor_handle_t
#define CefEventHandle cef_event_handle_t
#define CefWindowHandle cef_window_handle_t

typedef cef_internal::PlainTraits<cef_main_args_t> CefMainArgsTraits;

// On Linux the engine takes the process's own arguments.
class CefMainArgs : public CefStructBase<CefMainArgsTraits> {
 public:
  typedef CefStructBase<CefMainArgsTraits> parent;

  CefMainArgs() {}
  CefMainArgs(const cef_main_args_t& r) : parent(r) {}
  CefMainArgs(int argc_arg, char** argv_arg) {
    argc = argc_arg;
    argv = argv_arg;
  }
};

struct CefWindowInfoTraits {
  typedef cef_window_info_t struct_type;
  static constexpr cef_string_t struct_type::*const kStrings[] = {&struct_type::window_name};
  static void init(struct_type*) {}
  static void clear(struct_type* s) { cef_internal::ClearStrings(s, kStrings); }
  static void set(const struct_type* src, struct_type* target, bool copy) {
    cef_internal::CopyWithStrings(src, target, copy, kStrings);
  }
};

// There are no window styles here: style stays whatever the caller puts in it.
class CefWindowInfo : public CefStructBase<CefWindowInfoTraits> {
 public:
  typedef CefStructBase<CefWindowInfoTraits> parent;

  CefWindowInfo() {}
  CefWindowInfo(const cef_window_info_t& r) : parent(r) {}

  void SetAsChild(CefWindowHandle parent, const CefRect& windowRect) {
    parent_window = parent;
    x = windowRect.x;
    y = windowRect.y;
    width = windowRect.width;
    height = windowRect.height;
  }

  void SetAsWindowless(CefWindowHandle parent) {
    windowless_rendering_enabled = true;
    parent_window = parent;
  }
};

#endif  // !OS_WIN

#endif  // CEF_INCLUDE_INTERNAL_CEF_LINUX_H_

#ifndef CEF_INCLUDE_INTERNAL_CEF_WIN_H_
#define CEF_INCLUDE_INTERNAL_CEF_WIN_H_

#include "include/base/cef_build.h"

#if defined(OS_WIN)

#include "include/internal/cef_types_win.h"
#include "include/internal/cef_types_wrappers.h"

#define CefCursorHandle cef_cursor_handle_t
#define CefEventHandle cef_event_handle_t
#define CefWindowHandle cef_window_handle_t

typedef cef_internal::PlainTraits<cef_main_args_t> CefMainArgsTraits;

class CefMainArgs : public CefStructBase<CefMainArgsTraits> {
 public:
  typedef CefStructBase<CefMainArgsTraits> parent;

  CefMainArgs() {}
  CefMainArgs(const cef_main_args_t& r) : parent(r) {}
  explicit CefMainArgs(HINSTANCE hInstance) { instance = hInstance; }
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

class CefWindowInfo : public CefStructBase<CefWindowInfoTraits> {
 public:
  typedef CefStructBase<CefWindowInfoTraits> parent;

  CefWindowInfo() {}
  CefWindowInfo(const cef_window_info_t& r) : parent(r) {}

  void SetAsChild(CefWindowHandle parent, RECT windowRect) {
    style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE;
    parent_window = parent;
    x = windowRect.left;
    y = windowRect.top;
    width = windowRect.right - windowRect.left;
    height = windowRect.bottom - windowRect.top;
  }

  void SetAsPopup(CefWindowHandle parent, const CefString& windowName) {
    style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
    parent_window = parent;
    x = CW_USEDEFAULT;
    y = CW_USEDEFAULT;
    width = CW_USEDEFAULT;
    height = CW_USEDEFAULT;
    cef_string_set(windowName.c_str(), windowName.length(), &window_name, true);
  }

  void SetAsWindowless(CefWindowHandle parent) {
    windowless_rendering_enabled = true;
    parent_window = parent;
  }
};

#endif  // OS_WIN

#endif  // CEF_INCLUDE_INTERNAL_CEF_WIN_H_

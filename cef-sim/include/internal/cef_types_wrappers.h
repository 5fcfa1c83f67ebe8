#ifndef CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_

#include <cstddef>
#include <cstring>

#include "include/internal/cef_string.h"
#include "include/internal/cef_types.h"

// A C structure wrapped so that construction zero-fills it (and sets its size where it
// has one) and copies and destruction manage its string members. Traits give the C
// type and init(), clear() and set(source, target, copy).
template <class traits>
class CefStructBase : public traits::struct_type {
 public:
  typedef typename traits::struct_type struct_type;

  CefStructBase() { Init(); }
  CefStructBase(const CefStructBase& r) : struct_type() {
    Init();
    traits::set(&r, this, true);
  }
  CefStructBase(const struct_type& r) {
    Init();
    traits::set(&r, this, true);
  }
  ~CefStructBase() { traits::clear(this); }

  CefStructBase& operator=(const CefStructBase& r) {
    return operator=(static_cast<const struct_type&>(r));
  }
  CefStructBase& operator=(const struct_type& r) {
    Set(r, true);
    return *this;
  }

  // Without copy, string members refer to source's buffers, which must outlive this.
  void Set(const struct_type& source, bool copy) {
    if (&source != static_cast<const struct_type*>(this))
      traits::set(&source, this, copy);
  }

 private:
  void Init() {
    std::memset(static_cast<struct_type*>(this), 0, sizeof(struct_type));
    traits::init(this);
  }
};

namespace cef_internal {

// Copies a structure member by member, giving the string members copies of their
// own (or references, without copy) instead of the source's buffers.
template <class S, size_t N>
void CopyWithStrings(const S* src, S* target, bool copy, cef_string_t S::*const (&strings)[N]) {
  for (cef_string_t S::*m : strings)
    cef_string_clear(&(target->*m));
  *target = *src;
  for (cef_string_t S::*m : strings) {
    std::memset(&(target->*m), 0, sizeof(cef_string_t));
    cef_string_set((src->*m).str, (src->*m).length, &(target->*m), copy);
  }
}

template <class S, size_t N>
void ClearStrings(S* s, cef_string_t S::*const (&strings)[N]) {
  for (cef_string_t S::*m : strings)
    cef_string_clear(&(s->*m));
}

// Traits of a structure without string members.
template <class S>
struct PlainTraits {
  typedef S struct_type;
  static void init(struct_type*) {}
  static void clear(struct_type*) {}
  static void set(const struct_type* src, struct_type* target, bool) { *target = *src; }
};

// Traits of a structure with a size member and no string members.
template <class S>
struct SizedPlainTraits : PlainTraits<S> {
  static void init(S* s) { s->size = sizeof(S); }
};

}  // namespace cef_internal

struct CefSettingsTraits {
  typedef cef_settings_t struct_type;
  static constexpr cef_string_t struct_type::*const kStrings[] = {
      &struct_type::browser_subprocess_path,
      &struct_type::framework_dir_path,
      &struct_type::main_bundle_path,
      &struct_type::cache_path,
      &struct_type::root_cache_path,
      &struct_type::user_data_path,
      &struct_type::user_agent,
      &struct_type::product_version,
      &struct_type::locale,
      &struct_type::log_file,
      &struct_type::javascript_flags,
      &struct_type::resources_dir_path,
      &struct_type::locales_dir_path,
      &struct_type::accept_language_list,
      &struct_type::application_client_id_for_file_scanning,
  };
  static void init(struct_type* s) { s->size = sizeof(struct_type); }
  static void clear(struct_type* s) { cef_internal::ClearStrings(s, kStrings); }
  static void set(const struct_type* src, struct_type* target, bool copy) {
    cef_internal::CopyWithStrings(src, target, copy, kStrings);
  }
};
typedef CefStructBase<CefSettingsTraits> CefSettings;

struct CefBrowserSettingsTraits {
  typedef cef_browser_settings_t struct_type;
  static constexpr cef_string_t struct_type::*const kStrings[] = {
      &struct_type::standard_font_family,
      &struct_type::fixed_font_family,
      &struct_type::serif_font_family,
      &struct_type::sans_serif_font_family,
      &struct_type::cursive_font_family,
      &struct_type::fantasy_font_family,
      &struct_type::default_encoding,
      &struct_type::accept_language_list,
  };
  static void init(struct_type* s) { s->size = sizeof(struct_type); }
  static void clear(struct_type* s) { cef_internal::ClearStrings(s, kStrings); }
  static void set(const struct_type* src, struct_type* target, bool copy) {
    cef_internal::CopyWithStrings(src, target, copy, kStrings);
  }
};
typedef CefStructBase<CefBrowserSettingsTraits> CefBrowserSettings;

typedef cef_internal::PlainTraits<cef_rect_t> CefRectTraits;

class CefRect : public CefStructBase<CefRectTraits> {
 public:
  typedef CefStructBase<CefRectTraits> parent;

  CefRect() {}
  CefRect(const cef_rect_t& r) : parent(r) {}
  CefRect(int x, int y, int width, int height) { Set(x, y, width, height); }

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  void Set(int x_val, int y_val, int width_val, int height_val) {
    x = x_val;
    y = y_val;
    width = width_val;
    height = height_val;
  }
};

inline bool operator==(const CefRect& a, const CefRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}
inline bool operator!=(const CefRect& a, const CefRect& b) {
  return !(a == b);
}

typedef cef_internal::PlainTraits<cef_point_t> CefPointTraits;

class CefPoint : public CefStructBase<CefPointTraits> {
 public:
  typedef CefStructBase<CefPointTraits> parent;

  CefPoint() {}
  CefPoint(const cef_point_t& r) : parent(r) {}
  CefPoint(int x, int y) { Set(x, y); }

  bool IsEmpty() const { return x <= 0 && y <= 0; }
  void Set(int x_val, int y_val) {
    x = x_val;
    y = y_val;
  }
};

inline bool operator==(const CefPoint& a, const CefPoint& b) {
  return a.x == b.x && a.y == b.y;
}
inline bool operator!=(const CefPoint& a, const CefPoint& b) {
  return !(a == b);
}

typedef cef_internal::PlainTraits<cef_size_t> CefSizeTraits;

class CefSize : public CefStructBase<CefSizeTraits> {
 public:
  typedef CefStructBase<CefSizeTraits> parent;

  CefSize() {}
  CefSize(const cef_size_t& r) : parent(r) {}
  CefSize(int width, int height) { Set(width, height); }

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  void Set(int width_val, int height_val) {
    width = width_val;
    height = height_val;
  }
};

inline bool operator==(const CefSize& a, const CefSize& b) {
  return a.width == b.width && a.height == b.height;
}
inline bool operator!=(const CefSize& a, const CefSize& b) {
  return !(a == b);
}

typedef cef_internal::PlainTraits<cef_range_t> CefRangeTraits;

class CefRange : public CefStructBase<CefRangeTraits> {
 public:
  typedef CefStructBase<CefRangeTraits> parent;

  CefRange() {}
  CefRange(const cef_range_t& r) : parent(r) {}
  CefRange(int from, int to) { Set(from, to); }

  void Set(int from_val, int to_val) {
    from = from_val;
    to = to_val;
  }
};

inline bool operator==(const CefRange& a, const CefRange& b) {
  return a.from == b.from && a.to == b.to;
}
inline bool operator!=(const CefRange& a, const CefRange& b) {
  return !(a == b);
}

typedef cef_internal::PlainTraits<cef_screen_info_t> CefScreenInfoTraits;
typedef CefStructBase<CefScreenInfoTraits> CefScreenInfo;

typedef cef_internal::PlainTraits<cef_mouse_event_t> CefMouseEventTraits;
typedef CefStructBase<CefMouseEventTraits> CefMouseEvent;

typedef cef_internal::PlainTraits<cef_key_event_t> CefKeyEventTraits;
typedef CefStructBase<CefKeyEventTraits> CefKeyEvent;

// Bars and scroll bars are shown unless a page's window features turn them off, so a
// default structure has them visible.
struct CefPopupFeaturesTraits : cef_internal::PlainTraits<cef_popup_features_t> {
  static void init(struct_type* s) {
    s->menuBarVisible = 1;
    s->statusBarVisible = 1;
    s->toolBarVisible = 1;
    s->scrollbarsVisible = 1;
  }
};
typedef CefStructBase<CefPopupFeaturesTraits> CefPopupFeatures;

typedef cef_internal::PlainTraits<cef_cursor_info_t> CefCursorInfoTraits;
typedef CefStructBase<CefCursorInfoTraits> CefCursorInfo;

typedef cef_internal::PlainTraits<cef_time_t> CefTimeTraits;

class CefTime : public CefStructBase<CefTimeTraits> {
 public:
  typedef CefStructBase<CefTimeTraits> parent;

  CefTime() {}
  CefTime(const cef_time_t& r) : parent(r) {}
};

// Named in operations that this project never calls; only references to them appear.
struct CefTouchEventTraits;
typedef CefStructBase<CefTouchEventTraits> CefTouchEvent;
struct CefCompositionUnderlineTraits;
typedef CefStructBase<CefCompositionUnderlineTraits> CefCompositionUnderline;
struct CefPdfPrintSettingsTraits;
typedef CefStructBase<CefPdfPrintSettingsTraits> CefPdfPrintSettings;
class CefDraggableRegion;

#endif  // CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_

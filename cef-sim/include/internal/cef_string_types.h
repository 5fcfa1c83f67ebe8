#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_TYPES_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_TYPES_H_

#include <stddef.h>
#include <wchar.h>

#include "include/base/cef_basictypes.h"
#include "include/internal/cef_export.h"

#ifdef __cplusplus
extern "C" {
#endif

// A string of explicit length; dtor, when set, frees str. Embedded NULs are content.
typedef struct _cef_string_utf16_t {
  char16* str;
  size_t length;
  void (*dtor)(char16* str);
} cef_string_utf16_t;

typedef struct _cef_string_utf8_t {
  char* str;
  size_t length;
  void (*dtor)(char* str);
} cef_string_utf8_t;

typedef struct _cef_string_wide_t {
  wchar_t* str;
  size_t length;
  void (*dtor)(wchar_t* str);
} cef_string_wide_t;

typedef cef_string_utf16_t* cef_string_userfree_utf16_t;

// With copy, output owns a NUL-terminated copy of src; without, output refers to src.
// Whatever output held before is freed. Returns 1 on success.
CEF_EXPORT int cef_string_utf16_set(const char16* src, size_t src_len, cef_string_utf16_t* output,
                                    int copy);
CEF_EXPORT void cef_string_utf16_clear(cef_string_utf16_t* str);
CEF_EXPORT int cef_string_utf16_cmp(const cef_string_utf16_t* str1,
                                    const cef_string_utf16_t* str2);

// Conversions replace malformed input with U+FFFD and return 0 when they had to.
CEF_EXPORT int cef_string_utf8_to_utf16(const char* src, size_t src_len,
                                        cef_string_utf16_t* output);
CEF_EXPORT int cef_string_utf16_to_utf8(const char16* src, size_t src_len,
                                        cef_string_utf8_t* output);
CEF_EXPORT int cef_string_wide_to_utf16(const wchar_t* src, size_t src_len,
                                        cef_string_utf16_t* output);
CEF_EXPORT int cef_string_utf16_to_wide(const char16* src, size_t src_len,
                                        cef_string_wide_t* output);
// Fails (0, output emptied) on a byte outside 7-bit ASCII.
CEF_EXPORT int cef_string_ascii_to_utf16(const char* src, size_t src_len,
                                         cef_string_utf16_t* output);

CEF_EXPORT void cef_string_utf8_clear(cef_string_utf8_t* str);
CEF_EXPORT void cef_string_wide_clear(cef_string_wide_t* str);

CEF_EXPORT cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void);
CEF_EXPORT void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_TYPES_H_

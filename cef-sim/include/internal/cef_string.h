#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_H_

#include "include/internal/cef_string_types.h"

// UTF-16 is the string type of the engine on every platform.
typedef cef_string_utf16_t cef_string_t;
typedef cef_string_userfree_utf16_t cef_string_userfree_t;

#define cef_string_set cef_string_utf16_set
#define cef_string_clear cef_string_utf16_clear
#define cef_string_cmp cef_string_utf16_cmp
#define cef_string_userfree_alloc cef_string_userfree_utf16_alloc
#define cef_string_userfree_free cef_string_userfree_utf16_free

#ifdef __cplusplus
#include "include/internal/cef_string_wrappers.h"
typedef CefStringUTF16 CefString;
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_H_

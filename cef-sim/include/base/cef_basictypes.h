#ifndef CEF_INCLUDE_BASE_CEF_BASICTYPES_H_
#define CEF_INCLUDE_BASE_CEF_BASICTYPES_H_

#include <stddef.h>
#include <stdint.h>

#include "include/base/cef_build.h"

// The widths follow the engine's own choices per platform, so that overloads and
// format strings written against the real headers resolve the same way here.
#if defined(OS_WIN) || !defined(ARCH_CPU_64_BITS)
typedef long long int64;
typedef unsigned long long uint64;
#else
typedef long int64;
typedef unsigned long uint64;
#endif

typedef int int32;
typedef unsigned int uint32;
typedef short int16;
typedef unsigned short uint16;
typedef signed char int8;
typedef unsigned char uint8;

#if defined(OS_WIN)
typedef wchar_t char16;
#else
typedef uint16_t char16;
#endif

#endif  // CEF_INCLUDE_BASE_CEF_BASICTYPES_H_

#ifndef CEF_INCLUDE_INTERNAL_CEF_EXPORT_H_
#define CEF_INCLUDE_INTERNAL_CEF_EXPORT_H_

#include "include/base/cef_build.h"

// The stand-in exports every symbol of its shared library (the build asks for it on
// Windows), so the export macro carries no attribute of its own.
#define CEF_EXPORT

#if defined(OS_WIN) && !defined(_WIN64)
#define CEF_CALLBACK __stdcall
#else
#define CEF_CALLBACK
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_EXPORT_H_

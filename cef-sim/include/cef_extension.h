#ifndef CEF_INCLUDE_CEF_EXTENSION_H_
#define CEF_INCLUDE_CEF_EXTENSION_H_

#include "include/cef_base.h"

// A loaded extension. Not used by the project.
class CefExtension : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_EXTENSION_H_

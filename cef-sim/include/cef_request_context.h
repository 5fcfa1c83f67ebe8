#ifndef CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_
#define CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_

#include "include/cef_base.h"

// A browser's cache and cookie context. Not used by the project.
class CefRequestContext : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_

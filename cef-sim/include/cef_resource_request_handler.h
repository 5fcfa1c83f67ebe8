#ifndef CEF_INCLUDE_CEF_RESOURCE_REQUEST_HANDLER_H_
#define CEF_INCLUDE_CEF_RESOURCE_REQUEST_HANDLER_H_

#include "include/cef_base.h"

// Per-request resource events. Not used by the project.
class CefResourceRequestHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_RESOURCE_REQUEST_HANDLER_H_

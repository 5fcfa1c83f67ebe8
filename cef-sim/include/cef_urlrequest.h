#ifndef CEF_INCLUDE_CEF_URLREQUEST_H_
#define CEF_INCLUDE_CEF_URLREQUEST_H_

#include "include/cef_base.h"

// Receives an engine-made request's events. Not used by the project.
class CefURLRequestClient : public virtual CefBaseRefCounted {};

// A request made outside a page. Not used by the project.
class CefURLRequest : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_URLREQUEST_H_

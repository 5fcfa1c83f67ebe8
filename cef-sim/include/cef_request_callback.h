#ifndef CEF_INCLUDE_CEF_REQUEST_CALLBACK_H_
#define CEF_INCLUDE_CEF_REQUEST_CALLBACK_H_

#include "include/cef_base.h"

// Answers a quota or certificate request. Not used by the project.
class CefRequestCallback : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_REQUEST_CALLBACK_H_

#ifndef CEF_INCLUDE_CEF_AUTH_CALLBACK_H_
#define CEF_INCLUDE_CEF_AUTH_CALLBACK_H_

#include "include/cef_base.h"

// Answers a credentials request. Not used by the project.
class CefAuthCallback : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_AUTH_CALLBACK_H_

#ifndef CEF_INCLUDE_CEF_SSL_INFO_H_
#define CEF_INCLUDE_CEF_SSL_INFO_H_

#include "include/cef_base.h"

// A connection's certificate state. Not used by the project.
class CefSSLInfo : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_SSL_INFO_H_

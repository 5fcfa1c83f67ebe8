#ifndef CEF_INCLUDE_CEF_X509_CERTIFICATE_H_
#define CEF_INCLUDE_CEF_X509_CERTIFICATE_H_

#include "include/cef_base.h"

// A certificate. Not used by the project.
class CefX509Certificate : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_X509_CERTIFICATE_H_

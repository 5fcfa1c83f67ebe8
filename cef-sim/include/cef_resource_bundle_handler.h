#ifndef CEF_INCLUDE_CEF_RESOURCE_BUNDLE_HANDLER_H_
#define CEF_INCLUDE_CEF_RESOURCE_BUNDLE_HANDLER_H_

#include "include/cef_base.h"

// Localised strings and resources. Not used by the project.
class CefResourceBundleHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_RESOURCE_BUNDLE_HANDLER_H_

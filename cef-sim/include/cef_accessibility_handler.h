#ifndef CEF_INCLUDE_CEF_ACCESSIBILITY_HANDLER_H_
#define CEF_INCLUDE_CEF_ACCESSIBILITY_HANDLER_H_

#include "include/cef_base.h"

// Accessibility events of a windowless browser. Not used by the project.
class CefAccessibilityHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_ACCESSIBILITY_HANDLER_H_

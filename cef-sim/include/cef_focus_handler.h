#ifndef CEF_INCLUDE_CEF_FOCUS_HANDLER_H_
#define CEF_INCLUDE_CEF_FOCUS_HANDLER_H_

#include "include/cef_base.h"

// Focus events. The project keeps the engine's defaults.
class CefFocusHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_FOCUS_HANDLER_H_

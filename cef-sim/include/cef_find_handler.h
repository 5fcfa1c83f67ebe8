#ifndef CEF_INCLUDE_CEF_FIND_HANDLER_H_
#define CEF_INCLUDE_CEF_FIND_HANDLER_H_

#include "include/cef_base.h"

// Find-in-page results. The project keeps the engine's defaults.
class CefFindHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_FIND_HANDLER_H_

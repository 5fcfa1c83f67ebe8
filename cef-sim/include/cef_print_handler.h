#ifndef CEF_INCLUDE_CEF_PRINT_HANDLER_H_
#define CEF_INCLUDE_CEF_PRINT_HANDLER_H_

#include "include/cef_base.h"

// Printing on Linux. The project never prints through it.
class CefPrintHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_PRINT_HANDLER_H_

#ifndef CEF_INCLUDE_CEF_JSDIALOG_HANDLER_H_
#define CEF_INCLUDE_CEF_JSDIALOG_HANDLER_H_

#include "include/cef_base.h"

// JavaScript dialogs. The project keeps the engine's defaults.
class CefJSDialogHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_JSDIALOG_HANDLER_H_

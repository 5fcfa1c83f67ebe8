#ifndef CEF_INCLUDE_CEF_DIALOG_HANDLER_H_
#define CEF_INCLUDE_CEF_DIALOG_HANDLER_H_

#include "include/cef_base.h"

// File dialogs. The project keeps the engine's defaults.
class CefDialogHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_DIALOG_HANDLER_H_

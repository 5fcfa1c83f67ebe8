#ifndef CEF_INCLUDE_CEF_KEYBOARD_HANDLER_H_
#define CEF_INCLUDE_CEF_KEYBOARD_HANDLER_H_

#include "include/cef_base.h"

// Keyboard events before the page sees them. The project keeps the engine's defaults.
class CefKeyboardHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_KEYBOARD_HANDLER_H_

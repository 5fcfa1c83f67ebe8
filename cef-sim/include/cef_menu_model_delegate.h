#ifndef CEF_INCLUDE_CEF_MENU_MODEL_DELEGATE_H_
#define CEF_INCLUDE_CEF_MENU_MODEL_DELEGATE_H_

#include "include/cef_base.h"

// Receives a menu model's commands. Not used by the project.
class CefMenuModelDelegate : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_MENU_MODEL_DELEGATE_H_

#ifndef CEF_INCLUDE_CEF_NAVIGATION_ENTRY_H_
#define CEF_INCLUDE_CEF_NAVIGATION_ENTRY_H_

#include "include/cef_base.h"

// One entry of the navigation history. Not used by the project.
class CefNavigationEntry : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_NAVIGATION_ENTRY_H_

#ifndef CEF_INCLUDE_CEF_IMAGE_H_
#define CEF_INCLUDE_CEF_IMAGE_H_

#include "include/cef_base.h"

// An image in several scale factors. Not used by the project.
class CefImage : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_IMAGE_H_

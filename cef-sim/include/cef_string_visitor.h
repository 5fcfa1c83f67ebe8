#ifndef CEF_INCLUDE_CEF_STRING_VISITOR_H_
#define CEF_INCLUDE_CEF_STRING_VISITOR_H_

#include "include/cef_base.h"

// Receives a frame's source or text. Not used by the project.
class CefStringVisitor : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_STRING_VISITOR_H_

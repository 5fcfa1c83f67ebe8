#ifndef CEF_INCLUDE_CEF_DOM_H_
#define CEF_INCLUDE_CEF_DOM_H_

#include "include/cef_base.h"

// A node of a document. Not used by the project.
class CefDOMNode : public virtual CefBaseRefCounted {};

// Visits a document. Not used by the project.
class CefDOMVisitor : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_DOM_H_

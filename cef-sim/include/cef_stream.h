#ifndef CEF_INCLUDE_CEF_STREAM_H_
#define CEF_INCLUDE_CEF_STREAM_H_

#include "include/cef_base.h"

// Reads a stream. Not used by the project.
class CefStreamReader : public virtual CefBaseRefCounted {};

// Writes a stream. Not used by the project.
class CefStreamWriter : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_STREAM_H_

#ifndef CEF_INCLUDE_CEF_AUDIO_HANDLER_H_
#define CEF_INCLUDE_CEF_AUDIO_HANDLER_H_

#include "include/cef_base.h"

// Audio stream events. The project keeps the engine's defaults.
class CefAudioHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_AUDIO_HANDLER_H_

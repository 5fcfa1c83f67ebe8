// The Java settings object of init, read into the engine's settings.
#pragma once

#include <jni.h>

#include "engine/prelude.h"
#include "include/cef_app.h"
#include "jni/refs.h"

namespace brivon {

struct StartupSettings {
  CefString browser_subprocess_path;
  CefString log_file;
  int log_severity = 0;
  CefString cache_path;
  LocalRef<jobject> command_lines;  // java.util.HashMap, or empty
};

// Reads the five fields by name and descriptor from the object's own class. Null strings read
// as empty and a null map as no map: a half-filled settings object must not crash the process.
StartupSettings ReadStartupSettings(JNIEnv* env, jobject settings);

// The engine settings the bridge always runs with, plus the values from Java.
void FillEngineSettings(const StartupSettings& in, CefSettings& out);

}  // namespace brivon

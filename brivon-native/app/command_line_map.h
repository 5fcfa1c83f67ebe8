// The settings object's commandLines map, kept from init until the engine has read it.
#pragma once

#include <jni.h>

#include "engine/prelude.h"
#include "include/cef_command_line.h"

namespace brivon {

void KeepCommandLineMap(JNIEnv* env, jobject map);
void ReleaseCommandLineMap(JNIEnv* env);

// Appends one switch per map entry, in the map's iteration order: a null value gives a switch
// without value. Keys are switch names without leading dashes.
void AppendSwitchesFromMap(CefRefPtr<CefCommandLine> command_line);

}  // namespace brivon

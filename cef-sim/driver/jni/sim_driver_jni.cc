// Native side of com.velmor.brivon.sim.SimDriver: the C++ driver's read-backs as Java
// values. Strings cross as UTF-16 code units, NULs and supplementary characters kept.
// Snapshots that belong together come back in one call, as an Object[] of parallel
// arrays, so that they are read under one look at the engine.

#include <jni.h>

#include <vector>

#include "cefsim/driver.h"
#include "jni/jni_values.h"

using cefsim_jni::IntArray;
using cefsim_jni::LongArray;
using cefsim_jni::ObjectArray;
using cefsim_jni::StringArray;
using cefsim_jni::ToJava;

namespace driver = cefsim::driver;

extern "C" {

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimDriver_initializeCalls(JNIEnv*, jclass) {
  return driver::InitializeCalls();
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDriver_lastInitializeSucceeded(JNIEnv*,
                                                                                        jclass) {
  return driver::LastInitializeSucceeded();
}

JNIEXPORT jobjectArray JNICALL
Java_com_velmor_brivon_sim_SimDriver_initSettingsSnapshot(JNIEnv* env, jclass) {
  CefSettings s = driver::InitSettings();
  // The order matches SimDriver.InitSettings.
  jintArray ints = IntArray(env, {s.no_sandbox, s.windowless_rendering_enabled,
                                  s.multi_threaded_message_loop, s.external_message_pump,
                                  s.command_line_args_disabled, static_cast<jint>(s.log_severity),
                                  s.remote_debugging_port});
  jclass string_class = env->FindClass("java/lang/String");
  if (!ints || !string_class)
    return nullptr;
  const cef_string_t* strings[] = {
      &s.log_file,        &s.browser_subprocess_path, &s.accept_language_list,
      &s.cache_path,      &s.locale,                  &s.root_cache_path,
      &s.user_agent,      &s.resources_dir_path,      &s.locales_dir_path,
  };
  const jsize count = static_cast<jsize>(sizeof(strings) / sizeof(strings[0]));
  jobjectArray texts = env->NewObjectArray(count, string_class, nullptr);
  env->DeleteLocalRef(string_class);
  if (!texts)
    return nullptr;
  for (jsize i = 0; i < count; ++i) {
    jstring text = ToJava(env, *strings[i]);
    if (!text)
      return nullptr;
    env->SetObjectArrayElement(texts, i, text);
    env->DeleteLocalRef(text);
  }
  return ObjectArray(env, {ints, texts});
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDriver_highDpiSupportEnabled(JNIEnv*,
                                                                                      jclass) {
  return driver::HighDpiSupportEnabled();
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimDriver_executeProcessCalls(JNIEnv*, jclass) {
  return driver::ExecuteProcessCalls();
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimDriver_executeProcessResult(JNIEnv*, jclass) {
  return driver::ExecuteProcessResult();
}

JNIEXPORT jobjectArray JNICALL Java_com_velmor_brivon_sim_SimDriver_switchesSnapshot(JNIEnv* env,
                                                                                     jclass) {
  std::vector<driver::Switch> switches = driver::AppendedSwitches();
  jobjectArray names =
      StringArray(env, switches, [](const driver::Switch& s) { return &s.name; });
  jobjectArray values = StringArray(env, switches, [](const driver::Switch& s) {
    return s.has_value ? &s.value : static_cast<const CefString*>(nullptr);
  });
  if (!names || !values)
    return nullptr;
  return ObjectArray(env, {names, values});
}

JNIEXPORT jobjectArray JNICALL Java_com_velmor_brivon_sim_SimDriver_customSchemesSnapshot(
    JNIEnv* env, jclass) {
  std::vector<driver::CustomScheme> schemes = driver::CustomSchemes();
  std::vector<jint> options;
  for (const driver::CustomScheme& s : schemes)
    options.push_back(s.options);
  jobjectArray names =
      StringArray(env, schemes, [](const driver::CustomScheme& s) { return &s.name; });
  jintArray option_array = IntArray(env, options);
  if (!names || !option_array)
    return nullptr;
  return ObjectArray(env, {names, option_array});
}

JNIEXPORT jobjectArray JNICALL Java_com_velmor_brivon_sim_SimDriver_factoriesSnapshot(JNIEnv* env,
                                                                                      jclass) {
  std::vector<driver::SchemeHandlerFactory> factories = driver::SchemeHandlerFactories();
  std::vector<jlong> identities;
  for (const driver::SchemeHandlerFactory& f : factories)
    identities.push_back(static_cast<jlong>(f.identity));
  jobjectArray schemes = StringArray(
      env, factories, [](const driver::SchemeHandlerFactory& f) { return &f.scheme; });
  jobjectArray domains = StringArray(
      env, factories, [](const driver::SchemeHandlerFactory& f) { return &f.domain; });
  jlongArray identity_array = LongArray(env, identities);
  if (!schemes || !domains || !identity_array)
    return nullptr;
  return ObjectArray(env, {schemes, domains, identity_array});
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDriver_contextInitialized(JNIEnv*,
                                                                                   jclass) {
  return driver::ContextInitialized();
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDriver_isShutDown(JNIEnv*, jclass) {
  return driver::IsShutDown();
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimDriver_pendingUiTasks(JNIEnv*, jclass) {
  return static_cast<jint>(driver::PendingUiTasks());
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimDriver_heldClientObjects(JNIEnv*, jclass) {
  return static_cast<jint>(driver::HeldClientObjects());
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimDriver_advanceClockMs(JNIEnv*, jclass,
                                                                          jlong ms) {
  driver::AdvanceClockMs(ms);
}

}  // extern "C"

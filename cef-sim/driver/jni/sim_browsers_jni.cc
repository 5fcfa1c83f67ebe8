// Native side of com.velmor.brivon.sim.SimBrowsers: the engine's browsers read back.

#include <jni.h>

#include <vector>

#include "cefsim/driver.h"
#include "jni/jni_values.h"

using cefsim_jni::IntArray;
using cefsim_jni::LongArray;
using cefsim_jni::ObjectArray;
using cefsim_jni::RectArray;
using cefsim_jni::StringArray;
using cefsim_jni::ToJava;

namespace driver = cefsim::driver;

extern "C" {

JNIEXPORT jintArray JNICALL Java_com_velmor_brivon_sim_SimBrowsers_ids(JNIEnv* env, jclass) {
  std::vector<int> ids = driver::BrowserIds();
  return IntArray(env, std::vector<jint>(ids.begin(), ids.end()));
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimBrowsers_closed(JNIEnv*, jclass, jint id) {
  return driver::BrowserClosed(id);
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimBrowsers_closeRequests(JNIEnv*,
                                                                           jclass,
                                                                           jint id) {
  return driver::CloseRequests(id);
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimBrowsers_openerOf(JNIEnv*, jclass, jint id) {
  return driver::OpenerOf(id);
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_sim_SimBrowsers_mainFrameId(JNIEnv*,
                                                                          jclass,
                                                                          jint id) {
  return static_cast<jlong>(driver::MainFrameId(id));
}

JNIEXPORT jlongArray JNICALL Java_com_velmor_brivon_sim_SimBrowsers_frameIds(JNIEnv* env,
                                                                            jclass,
                                                                            jint id) {
  std::vector<int64_t> ids = driver::FrameIds(id);
  return LongArray(env, std::vector<jlong>(ids.begin(), ids.end()));
}

JNIEXPORT jstring JNICALL Java_com_velmor_brivon_sim_SimBrowsers_frameUrl(JNIEnv* env,
                                                                         jclass,
                                                                         jlong frame_id) {
  CefString url;
  if (!driver::FrameUrl(frame_id, &url))
    return nullptr;
  return ToJava(env, url);
}

JNIEXPORT jobjectArray JNICALL Java_com_velmor_brivon_sim_SimBrowsers_scriptsSnapshot(JNIEnv* env,
                                                                                     jclass,
                                                                                     jint id) {
  std::vector<driver::Script> scripts = driver::Scripts(id);
  std::vector<jlong> frames;
  std::vector<jint> lines;
  for (const driver::Script& s : scripts) {
    frames.push_back(static_cast<jlong>(s.frame_id));
    lines.push_back(s.line);
  }
  jlongArray frame_array = LongArray(env, frames);
  jobjectArray codes = StringArray(env, scripts, [](const driver::Script& s) { return &s.code; });
  jobjectArray urls = StringArray(env, scripts, [](const driver::Script& s) { return &s.url; });
  jintArray line_array = IntArray(env, lines);
  if (!frame_array || !codes || !urls || !line_array)
    return nullptr;
  return ObjectArray(env, {frame_array, codes, urls, line_array});
}

JNIEXPORT jintArray JNICALL Java_com_velmor_brivon_sim_SimBrowsers_viewRectsSnapshot(JNIEnv* env,
                                                                                    jclass,
                                                                                    jint id) {
  return RectArray(env, driver::ViewRectsAsked(id));
}

JNIEXPORT jintArray JNICALL Java_com_velmor_brivon_sim_SimBrowsers_askViewRect(JNIEnv* env,
                                                                              jclass,
                                                                              jint id) {
  CefRect rect;
  if (!driver::AskViewRect(id, &rect))
    return nullptr;
  return RectArray(env, {rect});
}

JNIEXPORT jlongArray JNICALL Java_com_velmor_brivon_sim_SimBrowsers_windowInfoSnapshot(JNIEnv* env,
                                                                                      jclass,
                                                                                      jint id) {
  driver::BrowserWindowInfo info;
  if (!driver::WindowInfoOf(id, &info))
    return nullptr;
  // The order matches SimBrowsers.windowInfo.
  return LongArray(env, {info.windowless ? 1 : 0, static_cast<jlong>(info.style), info.x, info.y,
                         info.width, info.height, static_cast<jlong>(info.parent_window)});
}

JNIEXPORT jlongArray JNICALL
Java_com_velmor_brivon_sim_SimBrowsers_browserSettingsSnapshot(JNIEnv* env, jclass, jint id) {
  driver::BrowserSettingsInfo settings;
  if (!driver::BrowserSettingsOf(id, &settings))
    return nullptr;
  return LongArray(env, {settings.windowless_frame_rate,
                         static_cast<jlong>(settings.background_color)});
}

JNIEXPORT jdouble JNICALL Java_com_velmor_brivon_sim_SimBrowsers_zoomLevel(JNIEnv*,
                                                                          jclass,
                                                                          jint id) {
  return driver::ZoomLevel(id);
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimBrowsers_devToolsOf(JNIEnv*, jclass, jint id) {
  return driver::DevToolsOf(id);
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimBrowsers_showDevToolsCalls(JNIEnv*,
                                                                               jclass,
                                                                               jint id) {
  return driver::ShowDevToolsCalls(id);
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_sim_SimBrowsers_childWindow(JNIEnv*,
                                                                          jclass,
                                                                          jint id) {
  return static_cast<jlong>(driver::ChildWindow(id));
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_sim_SimBrowsers_makeNativeWindow(JNIEnv*, jclass) {
  return static_cast<jlong>(driver::MakeNativeWindow());
}

JNIEXPORT jintArray JNICALL Java_com_velmor_brivon_sim_SimBrowsers_nativeWindowRect(JNIEnv* env,
                                                                                   jclass,
                                                                                   jlong hwnd) {
  uintptr_t handle = static_cast<uintptr_t>(hwnd);
  if (!driver::IsNativeWindow(handle))
    return nullptr;
  return RectArray(env, {driver::NativeWindowRect(handle)});
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_sim_SimBrowsers_nativeWindowParent(JNIEnv*,
                                                                                 jclass,
                                                                                 jlong hwnd) {
  return static_cast<jlong>(driver::NativeWindowParent(static_cast<uintptr_t>(hwnd)));
}

JNIEXPORT jobjectArray JNICALL
Java_com_velmor_brivon_sim_SimBrowsers_engineLoggedConsoleMessagesSnapshot(JNIEnv* env, jclass) {
  std::vector<CefString> messages = driver::EngineLoggedConsoleMessages();
  return StringArray(env, messages, [](const CefString& s) { return &s; });
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimBrowsers_openAtShutdown(JNIEnv*, jclass) {
  return driver::BrowsersOpenAtShutdown();
}

}  // extern "C"

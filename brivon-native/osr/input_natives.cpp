// resize and the four input methods of CefLib: each fills the engine's event from Java's
// values and makes one call on the browser's host. Pumping thread only.
#include <jni.h>

#include "engine/prelude.h"
#include "include/cef_browser.h"
#include "jni/java_exceptions.h"
#include "osr/input_host.h"
#include "osr/view_rects.h"

using brivon::InputHost;
using brivon::MouseEvent;

extern "C" {

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_resize(JNIEnv* env, jclass, jlong id,
                                                                jint width, jint height) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowserHost> host = InputHost(id);
  if (!host) return;
  // The engine cannot lay a view out at a negative size.
  brivon::SetViewRect(id, CefRect(0, 0, width < 0 ? 0 : width, height < 0 ? 0 : height));
  host->WasResized();
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_sendMouseClickEvent(
    JNIEnv* env, jclass, jlong id, jint x, jint y, jint button, jboolean mouse_up) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowserHost> host = InputHost(id);
  // One click each time: Java's events carry no click count, and no modifiers.
  if (host) {
    host->SendMouseClickEvent(MouseEvent(x, y, 0),
                              static_cast<CefBrowserHost::MouseButtonType>(button),
                              mouse_up != JNI_FALSE, 1);
  }
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_sendMouseMoveEvent(
    JNIEnv* env, jclass, jlong id, jint x, jint y, jint modifiers, jboolean mouse_leave) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowserHost> host = InputHost(id);
  if (host) {
    host->SendMouseMoveEvent(MouseEvent(x, y, static_cast<uint32>(modifiers)),
                             mouse_leave != JNI_FALSE);
  }
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_sendMouseWheelEvent(
    JNIEnv* env, jclass, jlong id, jint x, jint y, jint delta_x, jint delta_y) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowserHost> host = InputHost(id);
  if (host) host->SendMouseWheelEvent(MouseEvent(x, y, 0), delta_x, delta_y);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_sendKeyEvent(
    JNIEnv* env, jclass, jlong id, jint type, jint modifiers, jint windows_key_code,
    jint native_key_code, jboolean system_key) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowserHost> host = InputHost(id);
  if (!host) return;
  // No character: a KEYEVENT_CHAR brings its UTF-16 unit in windows_key_code, as Windows
  // character messages do.
  CefKeyEvent event;
  event.type = static_cast<cef_key_event_type_t>(type);
  event.modifiers = static_cast<uint32>(modifiers);
  event.windows_key_code = windows_key_code;
  event.native_key_code = native_key_code;
  event.is_system_key = system_key != JNI_FALSE ? 1 : 0;
  host->SendKeyEvent(event);
}

}  // extern "C"
